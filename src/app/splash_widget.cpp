#include "app/splash_widget.h"

#include "platform/app_info.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamsel {

SplashWidget::SplashWidget(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frm_Splash"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(app_title, this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version %1.%2").arg(version_major).arg(version_revision, 2, 10, QLatin1Char('0')), this);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel(QStringLiteral("Web Development"), this);
    subtitle->setAlignment(Qt::AlignCenter);
    close_button_ = new QPushButton(QStringLiteral("Close"), this);
    close_button_->setObjectName(QStringLiteral("close"));
    connect(close_button_, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    layout->addWidget(close_button_, 0, Qt::AlignCenter);
    layout->setContentsMargins(48, 32, 48, 24);
    close_button_->hide();
}

void SplashWidget::set_close_visible(bool visible) { close_button_->setVisible(visible); }

}  // namespace tamsel
