#pragma once
// browse_container: the preview pane. A browser engine shows the previewed file, with a ruler along the
// top (element 0) and one down the left side (element 1) that mark pixels and the common screen sizes.
// The engine starts only when the pane first shows a page; without it (tests) the pane shows the address.
// The pane's engine has a profile of its own that keeps nothing on disk and asks a PreviewSource for every
// page of the preview scheme, so a preview never needs to write into the user's folders.
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>
#include <QWidget>

class QLabel;
class QWebEngineProfile;
class QWebEngineView;

namespace tamsel {

class PreviewSource;

// Makes the preview scheme known to the engine; must run before the application object exists.
void register_preview_scheme();

// Answers the engine's requests of the preview scheme from a source that outlives the handler.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit PreviewSchemeHandler(const PreviewSource& source, QObject* parent = nullptr);
    void set_source(const PreviewSource& source) { source_ = &source; }
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    const PreviewSource* source_;
};

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
    ~PreviewPaneWidget() override;

    // Where pages of the preview scheme come from; it must outlive the pane. Until one is set they are not found.
    void set_source(const PreviewSource& source);
    // Shows an address (preview_url of the document); the address shown already is reloaded.
    void show_document(const QUrl& url);
    // Asks the source again for the page shown and everything in it.
    void reload();
    // Shows a file from disk.
    void navigate(const QString& path);
    // Bit 0 shows the top ruler, bit 1 the left one.
    void set_rulers(int bits);
    const QString& shown_path() const { return shown_path_; }
    const QUrl& shown_url() const { return shown_url_; }

private:
    // The browser view with its profile and handler, made on the first page shown.
    QWebEngineView* engine_view();
    void show_url(const QUrl& url);

    bool use_engine_;
    const PreviewSource* source_;
    QWebEngineView* page_ = nullptr;
    QWebEngineProfile* profile_ = nullptr;
    PreviewSchemeHandler* handler_ = nullptr;
    QLabel* placeholder_;
    RulerWidget* rulers_[2];
    QString shown_path_;
    QUrl shown_url_;
};

}  // namespace tamsel
