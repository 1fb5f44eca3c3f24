#pragma once
// special_characters: one label per character entity, placed left to right in rows that wrap at the
// panel's edge. Clicking a label asks for "&name;" at the caret.
#include <QList>
#include <QWidget>

class QToolButton;

namespace tamsel {

class EntityTable;

class SpecialCharsWidget : public QWidget {
    Q_OBJECT
public:
    explicit SpecialCharsWidget(QWidget* parent = nullptr);

    // Fills the panel once (keyboard_built): the double quote first, then entries 1 onwards of the table.
    void build_special_characters(const EntityTable& entities);
    bool built() const { return !labels_.isEmpty(); }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    void entity_chosen(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the labels for width; returns the height they take.
    int place(int width, bool move) const;

    QList<QToolButton*> labels_;
};

}  // namespace tamsel
