#pragma once
// frm_Splash: the title and version shown while the program starts, and again as the about box.
#include <QDialog>

class QPushButton;

namespace tamsel {

class SplashWidget : public QDialog {
    Q_OBJECT
public:
    explicit SplashWidget(QWidget* parent = nullptr);
    // The close button shows only when the window serves as the about box.
    void set_close_visible(bool visible);

private:
    QPushButton* close_button_;
};

}  // namespace tamsel
