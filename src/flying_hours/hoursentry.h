#pragma once

// The entry block of the flying-hours calculator: the hours, minutes and landings fields
// with their quick-pick lists, the keypad and the vertical ledger bar.
//
//   key press -> key table (Enter, Escape, arrows, Delete) -> key filter (digits typed,
//   "." switches field, "+"/"-" add a row, "C" clears, anything else beeps)
//   key release -> buttons released -> recompute (the window's formatelist)
//   keypad digit -> digit rule -> recompute;  quick pick -> field -> recompute
//
// Text that reaches a field around the key filter (the edit menu's paste, a drop) is kept
// only when it is all digits, and is then recomputed at once; anything else is refused
// with a beep and the field keeps its text.

#include <QColor>
#include <QObject>

#include <array>
#include <functional>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace mirandel {

class Platform;

class THoursEntry : public QObject
{
    Q_OBJECT

public:
    // What the entry asks of the window.
    struct Context
    {
        // formatelist, with its errors sent to the standard error box.
        std::function<void()> recompute;
        // The add action with the sign "+" or "-".
        std::function<void(const QString&)> add;
        std::function<void()> upStep;
        std::function<void()> downStep;
        std::function<void()> deleteRow;
        std::function<void()> closeWindow;
    };

    // Creates the controls as children of the calculator window `client`.
    THoursEntry(QWidget* client, Platform& platform, Context context);

    static QColor cream() { return QColor(0xFF, 0xFB, 0xF0); }
    static QColor silver() { return QColor(0xC0, 0xC0, 0xC0); }

    // Writes the three fields (nothing stays selected).
    void setFields(const QString& hours, const QString& minutes, const QString& landings);
    // Gives the focus to EditHrs and selects its whole text.
    void focusHours();
    // Whether `field` is the window's focused control.
    bool hasFocus(const QLineEdit* field) const;
    // Shows the twelve keypad buttons and the five ledger buttons released.
    void releaseButtons();

    // Keypad actions.
    void ToolButtonDigitAClick(int digit);
    void ToolButtonPAClick();
    void ToolButtonCAClick();
    // Picks in the quick-pick lists.
    void EditHrslistClick(int index);
    void Editmn11Click(int index);
    void ComboBoxattClick(int index);

    QLineEdit* EditHrs;
    QLineEdit* Editmn1;
    QLineEdit* Editatt;
    QComboBox* EditHrslist;
    QComboBox* Editmn11;
    QComboBox* ComboBoxatt;
    QWidget* ToolBarAnglo;
    std::array<QToolButton*, 10> digitButtons;
    QToolButton* ToolButtonPA;
    QToolButton* ToolButtonCA;
    QWidget* ToolBarLedger;
    QToolButton* ToolButtonmoins;
    QToolButton* ToolButtonplus;
    QToolButton* ToolButtondelete;
    QToolButton* ToolButtonhaut;
    QToolButton* ToolButtonbas;

private:
    void buildFields(QWidget* client);
    void buildKeypad(QWidget* client);
    void buildLedgerBar(QWidget* client);
    void watch(QLineEdit* field);
    void pick(QLineEdit* field, QComboBox* list, int index);

    // Key handlers; each returns true when the key is consumed.
    bool EditHrsKeyDown(QLineEdit* field, QKeyEvent* event);
    bool EditHrslistKeyPress(QLineEdit* field, QKeyEvent* event);
    void EditHrslistKeyUp();
    void EditFocusIn(QLineEdit* field);
    void EditFocusOut(QLineEdit* field, Qt::FocusReason reason);
    void EditEnter(QLineEdit* field);
    void EditExit(QLineEdit* field);
    void EditClick(QLineEdit* field);
    void EditEdited(QLineEdit* field);

    Platform& m_platform;
    Context m_context;
    // The field that shows the focus colour (the window's focused field, kept while
    // another window is active).
    QLineEdit* m_entered = nullptr;
    // Each field's last all-digit text, given back when other text is pasted in.
    std::array<QString, 3> m_accepted;
    std::array<QLineEdit*, 3> m_fields{};
};

} // namespace mirandel
