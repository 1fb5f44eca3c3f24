#include "app/preview_pane_widget.h"

#include "app/preview_source.h"

#include <QBuffer>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QWebEngineProfile>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineView>
#include <array>

namespace tamsel {
namespace {

constexpr int ruler_thickness = 18;
constexpr std::array<int, 2> ruler_lengths = {1300, 1100};
constexpr std::array<std::array<int, 5>, 2> screen_sizes = {{{640, 800, 1024, 1152, 1280}, {480, 600, 768, 864, 1024}}};

// A tick every 10 pixels: 12 long and labelled at hundreds, 8 at fifties, 4 otherwise.
int tick_length(int at) { return at % 100 == 0 ? 12 : at % 50 == 0 ? 8 : 4; }

const PreviewSource& no_document() {
    static const PreviewSource empty;
    return empty;
}

}  // namespace

void register_preview_scheme() {
    static bool done = false;
    if (done) return;
    done = true;
    QWebEngineUrlScheme scheme(preview_scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // A page loads its pictures, style sheets and scripts from its own folder, and may link to file:
    // addresses as it would when opened from disk; no web page may reach into it.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme |
                    QWebEngineUrlScheme::LocalAccessAllowed | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

PreviewSchemeHandler::PreviewSchemeHandler(const PreviewSource& source, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), source_(&source) {}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const PreviewReply reply = source_->serve(job->requestUrl());
    if (!reply.found) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the buffer and drops it when the engine has read it.
    auto* body = new QBuffer(job);
    body->setData(reply.body);
    body->open(QIODevice::ReadOnly);
    job->reply(reply.mime_type, body);
}

RulerWidget::RulerWidget(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), orientation_(orientation) {
    setObjectName(QStringLiteral("ruler"));
    if (orientation == Qt::Horizontal) setFixedHeight(ruler_thickness);
    else setFixedWidth(ruler_thickness);
}

QSize RulerWidget::sizeHint() const {
    return orientation_ == Qt::Horizontal ? QSize(ruler_lengths[0], ruler_thickness) : QSize(ruler_thickness, ruler_lengths[1]);
}

void RulerWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xE8, 0xE8, 0xE0));
    const bool across = orientation_ == Qt::Horizontal;
    const int element = across ? 0 : 1;
    QFont small = font();
    small.setPixelSize(8);
    p.setFont(small);
    for (int at = 10; at <= 1300 && at <= ruler_lengths[element]; at += 10) {
        const int len = tick_length(at);
        p.setPen(Qt::black);
        if (across) p.drawLine(at, ruler_thickness - len, at, ruler_thickness);
        else p.drawLine(ruler_thickness - len, at, ruler_thickness, at);
        if (at % 100 == 0) {
            if (across) p.drawText(at + 2, 9, QString::number(at));
            else p.drawText(1, at - 2, QString::number(at));
        }
    }
    p.setPen(QPen(Qt::white, 2));
    for (int size : screen_sizes[element]) {
        if (across) p.drawLine(size, 0, size, ruler_thickness);
        else p.drawLine(0, size, ruler_thickness, size);
    }
}

PreviewPaneWidget::PreviewPaneWidget(bool use_engine, QWidget* parent)
    : QWidget(parent), use_engine_(use_engine), source_(&no_document()) {
    setObjectName(QStringLiteral("browse_container"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    rulers_[0] = new RulerWidget(Qt::Horizontal, this);
    rulers_[1] = new RulerWidget(Qt::Vertical, this);
    placeholder_ = new QLabel(this);
    placeholder_->setObjectName(QStringLiteral("brwWebBrowser"));
    placeholder_->setAlignment(Qt::AlignCenter);
    grid->addWidget(rulers_[0], 0, 1);
    grid->addWidget(rulers_[1], 1, 0);
    grid->addWidget(placeholder_, 1, 1);
}

// The page goes before its profile: the engine refuses to drop a profile that still has pages.
PreviewPaneWidget::~PreviewPaneWidget() { delete page_; }

void PreviewPaneWidget::set_source(const PreviewSource& source) {
    source_ = &source;
    if (handler_) handler_->set_source(source);
}

QWebEngineView* PreviewPaneWidget::engine_view() {
    if (page_) return page_;
    // A profile without a storage name keeps its cache and cookies in memory only.
    profile_ = new QWebEngineProfile(this);
    handler_ = new PreviewSchemeHandler(*source_, profile_);
    profile_->installUrlSchemeHandler(preview_scheme, handler_);
    page_ = new QWebEngineView(this);
    page_->setObjectName(QStringLiteral("brwWebBrowser"));
    page_->setPage(new QWebEnginePage(profile_, page_));
    static_cast<QGridLayout*>(layout())->replaceWidget(placeholder_, page_);
    placeholder_->hide();
    return page_;
}

void PreviewPaneWidget::show_url(const QUrl& url) {
    shown_url_ = url;
    // "about:blank", shown once no document is left, names no page.
    shown_path_ = url.isLocalFile() ? url.toLocalFile() : url.scheme() == QLatin1String("about") ? QString() : url.path();
    if (!use_engine_) {
        placeholder_->setText(shown_path_);
        return;
    }
    QWebEngineView* view = engine_view();
    // The same address again must still show the new text.
    if (view->url() == url) view->reload();
    else view->load(url);
}

void PreviewPaneWidget::show_document(const QUrl& url) { show_url(url); }

void PreviewPaneWidget::navigate(const QString& path) { show_url(QUrl::fromLocalFile(path)); }

void PreviewPaneWidget::reload() {
    if (page_) page_->reload();
}

void PreviewPaneWidget::set_rulers(int bits) {
    rulers_[0]->setVisible(bits & 1);
    rulers_[1]->setVisible(bits & 2);
}

}  // namespace tamsel
