#pragma once
// frm_Property as the double-clicked tag asks it: the tag's rows for the user to edit, each by its
// attribute's type; "Update" answers with the rebuilt tag, "Cancel" with nothing. The window shows it with
// PropertyDialog, the tests answer it with ScriptedPropertyForm.
#include "inspector/tag_properties.h"
#include "wizards/colour_values.h"

#include <deque>
#include <functional>
#include <optional>

namespace tamsel {

class ColourPickerForm;

struct PropertyRequest {
    QString key;                   // the tag name in upper case
    QList<AttrRecord> attributes;  // the database's records of the tag, which the rows point into
    QList<PropertyRow> rows;
    QString extra;                 // what the tag holds beyond its known attributes, written after them
    QList<ColorRecord> named_colours;
    ColourPickerForm* picker = nullptr;  // opened by the colour sample of a colour row
    bool closes_itself = false;          // "<br/>": written so again

    // The tag as the rows now give it.
    QString rebuilt(const QList<PropertyRow>& edited) const { return rebuild_tag(key, edited, extra, closes_itself); }
};

class PropertyForm {
public:
    virtual ~PropertyForm() = default;
    virtual std::optional<QString> show(const PropertyRequest& request) = 0;
};

// Updates with the rows changed by the next edit of the script, or cancels when none is left.
class ScriptedPropertyForm : public PropertyForm {
public:
    std::deque<std::function<void(QList<PropertyRow>&)>> edits;
    QList<PropertyRequest> shown;

    std::optional<QString> show(const PropertyRequest& request) override {
        shown.append(request);
        if (edits.empty()) return std::nullopt;
        QList<PropertyRow> rows = request.rows;
        edits.front()(rows);
        edits.pop_front();
        return request.rebuilt(rows);
    }
};

}  // namespace tamsel
