#pragma once
// An edit window that loads its record itself from the record's key (people,
// institutions, localities), as a list window opens it for "Add" and "Edit": the
// list hands over only the key, empty for a new record, and shows the window.

class QDialog;
class QString;

namespace reference {

class RecordEditor {
public:
    virtual ~RecordEditor() = default;
    virtual QDialog* dialog() = 0;
    // the record the next showing loads; empty: a new record
    virtual void setRecordId(const QString& id) = 0;
};

}  // namespace reference
