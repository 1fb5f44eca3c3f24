#include "analyze/error_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tamsel {
namespace {

constexpr int icon_size = 16;

// ImageList1: 1 an error (a white "!" on red), 2 a warning (a dark "?" on amber).
QIcon list_icon(int index) {
    const bool error = index == 1;
    QPixmap pixmap(icon_size, icon_size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(error ? QColor(200, 30, 30) : QColor(240, 180, 20));
    p.drawEllipse(QRectF(0.5, 0.5, icon_size - 1, icon_size - 1));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(error ? Qt::white : QColor(40, 30, 0));
    p.drawText(QRect(0, 0, icon_size, icon_size), Qt::AlignCenter, error ? QStringLiteral("!") : QStringLiteral("?"));
    return QIcon(pixmap);
}

QLabel* count_label(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("err_cnt"));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(48);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QTreeWidget* problem_list(const ErrorListRequest& request, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("ListView1"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setIconSize(QSize(icon_size, icon_size));
    QStringList titles;
    for (const ErrorListColumn& c : request.columns) titles << c.title;
    list->setHeaderLabels(titles);
    list->header()->setStretchLastSection(false);
    const QIcon icons[] = {list_icon(1), list_icon(2)};
    QList<QTreeWidgetItem*> items;
    items.reserve(request.rows.size());
    for (const ErrorListRow& row : request.rows) {
        auto* item = new QTreeWidgetItem(row.cells);
        item->setIcon(0, icons[row.icon == 1 ? 0 : 1]);
        item->setData(0, Qt::UserRole, row.line);
        items.append(item);
    }
    list->addTopLevelItems(items);
    // Each column as wide as asked, and at least as wide as its icons and texts.
    for (int i = 0; i < request.columns.size(); ++i) {
        const int width = request.columns[i].width;
        list->setColumnHidden(i, width <= 0);
        if (width <= 0) continue;
        list->resizeColumnToContents(i);
        list->setColumnWidth(i, std::max(width, list->columnWidth(i)));
    }
    return list;
}

}  // namespace

ErrorListDialog::ErrorListDialog(const ErrorListRequest& request, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_error"));
    setWindowTitle(request.caption);
    auto* column = new QVBoxLayout(this);

    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(QStringLiteral("Errors"), this));
    counts->addWidget(count_label(request.error_count, this));
    counts->addSpacing(24);
    counts->addWidget(new QLabel(QStringLiteral("Warnings"), this));
    counts->addWidget(count_label(request.warning_count, this));
    counts->addStretch(1);
    column->addLayout(counts);

    QTreeWidget* list = problem_list(request, this);
    column->addWidget(list, 1);
    // Double-click or Enter on a row shows its line in the editor; the list stays open.
    if (request.go_to_line)
        connect(list, &QTreeWidget::itemActivated, this, [go = request.go_to_line](QTreeWidgetItem* item) {
            if (const int line = item->data(0, Qt::UserRole).toInt(); line > 0) go(line);
        });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const std::pair<QString, ErrorListAnswer> commands[] = {{QStringLiteral("Ignore Errors"), ErrorListAnswer::IgnoreErrors},
                                                            {QStringLiteral("Cancel"), ErrorListAnswer::Cancel}};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(commands[i].first, this);
        button->setObjectName(QStringLiteral("Command"));
        button->setProperty("index", i);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, answer = commands[i].second] {
            answer_ = answer;
            if (answer == ErrorListAnswer::IgnoreErrors) accept();
            else reject();
        });
        buttons->addWidget(button);
        if (i == 0) button->setEnabled(request.ignore_enabled);
    }
    column->addLayout(buttons);

    int width = 0;
    for (const ErrorListColumn& c : request.columns) width += c.width;
    resize(width + 48, 420);
}

ErrorListAnswer QtErrorListForm::show(const ErrorListRequest& request) {
    ErrorListDialog dialog(request, parent_);
    dialog.exec();
    return dialog.answer();
}

}  // namespace tamsel
