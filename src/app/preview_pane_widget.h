#pragma once
// browse_container: the preview pane. A browser engine shows the previewed file, with a ruler along the
// top (element 0) and one down the left side (element 1) that mark pixels and the common screen sizes.
// The engine starts only when the pane first shows a page; without it (tests) the pane shows the path.
#include <QWidget>

class QLabel;

namespace tamsel {

class RulerWidget : public QWidget {
    Q_OBJECT
public:
    RulerWidget(Qt::Orientation orientation, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
};

class PreviewPaneWidget : public QWidget {
    Q_OBJECT
public:
    PreviewPaneWidget(bool use_engine, QWidget* parent = nullptr);

    void navigate(const QString& path);
    // Bit 0 shows the top ruler, bit 1 the left one.
    void set_rulers(int bits);
    const QString& shown_path() const { return shown_path_; }

private:
    bool use_engine_;
    QWidget* page_ = nullptr;  // the browser view, made on the first navigate
    QLabel* placeholder_;
    RulerWidget* rulers_[2];
    QString shown_path_;
};

}  // namespace tamsel
