#include "app/special_chars_widget.h"

#include "platform/text_codec.h"
#include "tagdb/fixed_tables.h"

#include <QToolButton>

namespace tamsel {
namespace {

constexpr int gap = 1;

// What a label shows: the character of "#n" (codes 128 to 159 in the Windows code page, as the table
// means them), or the entity's text itself.
QString label_text(const Entity& e) {
    if (!e.char_text.startsWith(QLatin1Char('#')) || e.code <= 0) return e.char_text;
    if (e.code >= 128 && e.code < 160) return decode_1252(QByteArray(1, static_cast<char>(e.code)));
    return QString(QChar(static_cast<char16_t>(e.code)));
}

// What a label inserts between "&" and ";": the name, or the "#n" form for entries that have none.
QString insert_name(const Entity& e) { return e.name.isEmpty() ? e.char_text : e.name; }

}  // namespace

SpecialCharsWidget::SpecialCharsWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("special_characters"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SpecialCharsWidget::build_special_characters(const EntityTable& entities) {
    if (built()) return;
    const auto add = [this](const QString& text, const QString& name) {
        auto* label = new QToolButton(this);
        label->setObjectName(QStringLiteral("special"));
        label->setText(text);
        label->setToolTip(QLatin1Char('&') + name + QLatin1Char(';'));
        label->setProperty("entity", name);
        label->setAutoRaise(true);
        label->setFixedSize(label->sizeHint().expandedTo(QSize(22, 22)));
        connect(label, &QToolButton::clicked, this, [this, name] { Q_EMIT entity_chosen(name); });
        label->show();
        labels_.append(label);
    };
    add(QStringLiteral("\""), QStringLiteral("quot"));
    for (int i = 1; i < entities.count(); ++i) add(label_text(entities.at(i)), insert_name(entities.at(i)));
    place(width(), true);
    updateGeometry();
}

int SpecialCharsWidget::place(int width, bool move) const {
    int x = 0, y = 0, row_height = 0;
    for (QToolButton* label : labels_) {
        const QSize size = label->size();
        if (x > 0 && x + size.width() > width) {
            x = 0;
            y += row_height + gap;
            row_height = 0;
        }
        if (move) label->move(x, y);
        x += size.width() + gap;
        row_height = std::max(row_height, size.height());
    }
    return y + row_height;
}

int SpecialCharsWidget::heightForWidth(int width) const { return place(width, false); }

QSize SpecialCharsWidget::sizeHint() const { return {400, heightForWidth(std::max(width(), 400))}; }

void SpecialCharsWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place(width(), true);
}

}  // namespace tamsel
