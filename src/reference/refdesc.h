#pragma once
// What one reference list and its edit window are: table, key, name columns,
// statements, grid, rights, messages and the behaviour that differs between the
// lists. One RefList and one RefEdit serve every list; each instance is a RefDesc.

#include "db/datasetmodel.h"

#include <QString>
#include <vector>

namespace reference {

// which wait indicator runs around a statement
enum class Wait { None, Window /* Tpwait */, Proc /* Tpwait_proc (indit/leallit) */ };

// how the chosen key travels back to the launcher's caller
enum class SlotType { Integer /* 0 when nothing is chosen */, Text };

// what a grid double-click does
enum class DoubleClick { ByFlag /* browse flag 1: "Edit", 0: "Ok" */, Ok };

// what "Ok" does when the list could not be read (there is no key to hand back)
enum class OkFailure {
    None,              // hands back 0 or the empty text and closes
    PlainError,        // the plain message box "Error"; the window stays open
    Hiba,              // the plain message box "Hiba"; the window stays open
    ConnectionWarning  // a warning box "The connection to database has been broken!"
};

// the launcher's extra argument, kept by the list and bound as :par of its load
enum class ListArg { None, Integer, Text };

// how the edit window's statements carry the typed values
enum class Values {
    Literal,  // quoted literals inside the text, the name trimmed (the usual lists)
    Bound     // :par parameters as the instance's statements list them
};

// the key field of the edit window
enum class IdField {
    Disabled,  // filled by the list, disabled (shaded) before each showing
    ReadOnly,  // filled by the list, read-only on the form, never disabled
    Typed      // the user types the key; it can be changed by editing it
};

// one value field of the edit window: a column of the table and its label
struct EditField {
    QString column;
    QString label;
};

// a compulsory field: the message shown when the field, as typed, is empty
struct EmptyCheck {
    int field;  // 0: the ID field, 1..: the value fields in order
    QString message;
};

// where a bound parameter's value comes from (the parameters are :par, :par2, ...)
struct ParamSource {
    enum Kind {
        Field,     // a field's text (0: the ID field, 1..: the value fields)
        FieldInt,  // a field's text converted to an integer (a failure is reported)
        OpenedId,  // the ID field as it was when the window was shown
        Arg        // the list's argument (the measurement kind), an integer
    } kind = Field;
    int field = 1;
    bool trimmed = false;
};

struct BoundStatement {
    QString sql;
    std::vector<ParamSource> params;
    bool appendId = false;  // the ID field's digits appended to the text
};

// Column widths that follow the grid's width on every resize: the columns before
// `from` get their load widths; when the grid is at least `minWidth` wide the
// others share (grid width - margin) by `shares` (rounded), otherwise they get
// `narrow`.
struct ColumnShares {
    int from = 0;
    int margin = 0;
    int minWidth = 0;
    std::vector<double> shares;  // empty: no shares
    std::vector<int> narrow;
};

struct RefDesc {
    // ---- the table -----------------------------------------------------------
    QString table;
    QString key;
    std::vector<EditField> fields;  // fields[0].column is the name the lists re-read
    QString launcher;               // the data module's picker launcher
    SlotType slot = SlotType::Text;
    QString slotField;              // the field handed back; empty: the key

    // ---- list window ---------------------------------------------------------
    QString listClass;
    QString listCaption;
    // load statement = loadHead + sortClause + loadTail, with :par bound to the
    // argument when there is one
    QString loadHead;
    QString sortClause;
    QString loadTail;
    ListArg arg = ListArg::None;
    std::vector<db::GridColumn> columns;  // captions, and widths after each load
    std::vector<int> createWidths;        // widths at creation; empty: as columns
    bool widthsAfterLoad = true;          // false: set at creation only
    bool fillName = false;  // the name column (the last) takes the rest of the grid's width, also on resize
    int rowHeight = 0;   // 0: the grid's default
    // a column whose texts carry the formula markup, drawn without the '~' rule
    QString formulaField;
    double formulaFactor = 0.8;  // size of its script runs
    bool pickOnly = false;       // "Ok" and "Cancel" only
    ColumnShares columnShares;
    QString addRights = QStringLiteral("CD");
    QString editRights = QStringLiteral("CD");  // empty: no check here (the editor checks)
    QString editButtonText = QStringLiteral("Edit");
    QString deleteRights = QStringLiteral("D");
    bool enterIsOk = true;
    DoubleClick doubleClick = DoubleClick::ByFlag;
    bool resetFlag = true;  // closing sets the browse flag back to 0
    bool titleSort = true;
    // a title click sets the sort clause to the column's field and reads the list
    // again in the server's order (instead of sorting the loaded rows)
    bool titleReloads = false;
    bool relocate = true;   // after "Edit" the cursor returns to the edited row
    Wait listWait = Wait::Window;
    // a read-only box below the grid showing this field of the current row
    QString memoField;
    QString memoLabel;
    bool waitOnAddEdit = true;  // the indicator also runs around the refresh after Add/Edit
    QString closeCaption = QStringLiteral("Cancel");
    OkFailure okFailure = OkFailure::None;
    // the main window's "Basic data" item: whether it sets the browse flag, and the
    // argument it opens the list with (the measurement kind)
    bool menuSetsFlag = true;
    QString menuArg;

    // ---- edit window ---------------------------------------------------------
    QString editClass;
    QString editCaption;
    bool idVisible = true;
    IdField idField = IdField::Disabled;
    bool copyArgToEdit = false;  // "Add"/"Edit" hand the list's argument to the edit window
    std::vector<EmptyCheck> emptyChecks;
    bool reread = true;  // the changed-record check before an UPDATE
    Wait rereadWait = Wait::Window;
    Wait saveWait = Wait::Window;
    Values values = Values::Literal;
    BoundStatement update;  // Values::Bound only
    BoundStatement insert;  // Values::Bound only

    const QString& nameColumn() const { return fields.front().column; }
    const QString& pickField() const { return slotField.isEmpty() ? key : slotField; }
};

}  // namespace reference
