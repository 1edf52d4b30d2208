#pragma once

#include "engine/archive/CardMessages.h"
#include "widgets/card/FieldInput.h"
#include "widgets/platform/Pictures.h"

#include <QString>
#include <Qt>

#include <vector>

class RecordLayout;

// How a card field takes its input.
enum class FieldKind {
    Text,        // an edit field
    Province,    // a combo edit with the province codes
    Digits,      // an edit field with the digit-only key filter
    PickedDate,  // a read-only edit field filled by the date picker
    Label,       // a label the window computes (not typed, not in the Enter chain)
    HiddenLabel, // a hidden label the window computes, named "txt" + name
};

// How large a field's text is drawn.
enum class FieldFont { Normal, Large };

// How a field's label is drawn.
enum class LabelStyle { Normal, Mandatory, Signing };

// One edit field of a card window: the control "txt" + name shows the
// record field of that name. Fields are listed in record order, which is
// also the Enter chain and the tab order.
struct CardFieldDef
{
    const char *name;
    const char *label = nullptr; // shown above the field; nullptr for none
    int section;                // index into CardWindowTable::sections
    int row = 0;                // row inside the section, from 0
    int x;                      // left edge inside the section
    int width;
    FieldKind kind = FieldKind::Text;
    TypingRule rule = TypingRule::None;
    LabelStyle labelStyle = LabelStyle::Normal;
    const char *suffix = nullptr;  // a word after the field ("giorni.")
    bool centred = false;          // text centred in the field
    bool rightAligned = false;     // text at the right end of the field
    int top = -1;                  // the field's own top inside the section, instead of its row
    int height = 0;                // 0: the usual field height
    FieldFont font = FieldFont::Normal;
};

// A fixed text of the card (a word before a field, a heading), drawn in
// the card's caption style.
struct CardCaptionDef
{
    const char *name;           // "lblRicevutiDa"
    const char *text;
    int section;
    int x;
    int y;
    int width;
    int height;
    int pointSize = 9;
    bool bold = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// A hidden label that is not a record field: a value the window keeps for
// itself (the archive's path, say), with its text at start.
struct CardHiddenLabelDef
{
    const char *name;           // "lblFile"
    const char *designText;
};

// A background shape of the card panel holding a group of fields, with a
// picture at its top left.
struct CardSectionDef
{
    const char *shapeName;      // "bkgLocatore"
    const char *pictureName;    // "icoLocatore"; nullptr for none
    Picture picture;
    int left;
    int top;
    int width;
    int height;
    int firstRowTop = 8;        // where row 0 starts inside the shape
    bool shaded = false;        // a grey bar instead of a white card
};

class QWidget;

// What a small button beside a field does with the field's trimmed text: a
// check window, a new e-mail, ... The card machinery knows none of them; a
// module's table names the function. No action: the window's own
// (CardWindow::sideButtonClicked).
using SideAction = void (*)(QWidget *owner, const QString &fieldValue);

namespace SideActions {
// Writes a new e-mail to the address in the field.
void sendEmail(QWidget *owner, const QString &address);
} // namespace SideActions

// A small button at the right end of a field (checks, e-mail, import).
struct CardSideButtonDef
{
    const char *name;           // "btnCodFiscLoc"
    const char *hint;
    Picture picture;
    const char *besideField;    // record field name
    SideAction action = nullptr;
    // Acts on the stored card (its guests, say): enabled only while the
    // card has a position.
    bool needsStoredCard = false;
};

// A small picture at the left end of a field, for decoration only.
struct CardDecorationDef
{
    const char *name;           // "icoEmailLoc"
    Picture picture;
    const char *besideField;    // record field name
};

// A toolbar button's hint.
struct CardHintDef
{
    const char *control;
    const char *hint;
};

// Everything that makes one card window out of the shared machinery.
struct CardWindowTable
{
    const char *objectName;     // "frmLocatori"
    QString caption;            // " Vacanzio - Immobili e Locatori"
    const RecordLayout *layout;
    CardMessages messages;
    QString readyText;          // the status line before any mouse movement
    const char *panelName;      // "panLocatore"
    std::vector<CardSectionDef> sections;
    std::vector<CardFieldDef> fields;
    std::vector<CardSideButtonDef> sideButtons;
    std::vector<CardDecorationDef> decorations;
    std::vector<CardHintDef> toolbarHints;
    std::vector<CardCaptionDef> captions;
    std::vector<CardHiddenLabelDef> hiddenLabels;
    // The order Enter (and Tab) moves through the fields, by record field
    // name; empty: the order of `fields`.
    std::vector<const char *> enterChain;
    // The yellow rectangle behind the field that has the focus.
    bool highlights = true;
    Picture extraToolPicture = Picture::Attach;  // cmdNumerazione
    // The field that must not be empty for saving, and the warning shown
    // otherwise; empty when the window checks on its own.
    const char *requiredField = nullptr;
    QString requiredMessage;

    // The toolbar hints of the landlord and tenant windows.
    static std::vector<CardHintDef> cardToolbarHints();
};
