#pragma once

// Value entry on the main window: the two entry fields, the keypad, the entry direction
// and the decimal separator convention.
//
//   key press -> key filter (keypad echo, separator key) -> the field edits its text
//   key release -> listing range defaults -> calculer -> factor lookup -> rounding to
//   4 decimals in extended precision -> result text + suffix into the other field
//   text changed by the mouse (paste, drop, context menu) -> as a key release
//
// Errors raised during a key release are absorbed; the keypad actions let them reach the
// standard error box.

#include "widgets/keysheld.h"
#include "workbench/catalogue.h"

#include <QColor>
#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QKeyEvent;
class QToolButton;
class QWidget;

namespace mirandel {

class Platform;

class TValueEntry : public QObject
{
    Q_OBJECT

public:
    // What the entry needs from the rest of the program.
    struct Context
    {
        // The factor and suffix for a conversion from the given direction's source field;
        // nullopt when no pair applies. May throw the conversion error.
        std::function<std::optional<catalogue::Factor>(catalogue::Direction)> lookup;
        // Writes the listing range fields From, To and Step; a null text leaves its field.
        std::function<void(const QString&, const QString&, const QString&)> listingDefaults;
        // Closes the main window (Escape in a field).
        std::function<void()> closeWindow;
    };

    // Creates the controls as children of the main window's client area.
    TValueEntry(QWidget* client, Platform& platform, Context context);

    static QColor white() { return QColor(0xFF, 0xFF, 0xFF); }
    static QColor beige() { return QColor(0xDC, 0xD7, 0xB6); }
    static QColor grey() { return QColor(0xD7, 0xD7, 0xD7); }

    catalogue::Direction direction() const;
    QChar convention() const;
    void setConvention(QChar separator);

    // Converts the source field into the other field; throws on bad text or overflow.
    void calculer();

    // Sets the direction, empties both fields and enables the separator key; the focus
    // goes to the source field when `focus` is set.
    void resetSource(catalogue::Direction direction, bool focus);
    // As resetSource, and colours the two fields.
    void setSource(catalogue::Direction direction, const QColor& top, const QColor& bottom,
                   bool focus);
    void colourFields(const QColor& top, const QColor& bottom);
    // Escape in the reference text: direction "haut", colours unchanged, focus to the top.
    void sourceToTopKeepingColours();
    void emptyFields();
    void enableSeparatorKey();

    // Keypad actions. The digit and separator actions throw; the keypad buttons run them
    // guarded.
    void ToolButtonDigitAClick(int digit);
    void ToolButtonPAClick();
    void ToolButtonCAClick();

    // The separator trial of the activation step: keypad 9, separator, 6 with the
    // convention ","; a failure makes it "." on a point system and the system separator
    // on one whose separator is neither a point nor a comma.
    void separatorTrial();

    QLineEdit* EditAnglo;
    QLineEdit* EditMetrique;
    QWidget* ToolBarAnglo;
    std::array<QToolButton*, 10> digitButtons;
    QToolButton* ToolButtonPA;
    QToolButton* ToolButtonCA;
    QLabel* LabelFenetreEdition;
    QLabel* Labelformatdecimal;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* sourceField() const;
    QLineEdit* otherField(QLineEdit* field) const;
    void setDirection(catalogue::Direction direction);
    void releaseKeypad();
    void buildKeypad(QWidget* client);

    // Key handlers; each returns true when the key is consumed.
    bool EditAngloKeyDown(QKeyEvent* event);
    bool EditKeyPress(QLineEdit* field, QKeyEvent* event);
    void EditKeyUp(QLineEdit* field);
    void EditClick(QLineEdit* field);
    // The user changed a field's text: a change made without a key (the mouse's paste,
    // drop or context menu) converts as a key release does; a key's own change waits for
    // its release.
    void EditChange(QLineEdit* field);

    Platform& m_platform;
    Context m_context;
    TKeysHeld m_keysHeld;
};

} // namespace mirandel
