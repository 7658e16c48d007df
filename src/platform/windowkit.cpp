#include "platform/windowkit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace mirandel::windowkit {

void setupFixedWindow(QWidget* window, const QString& caption, QSize clientSize,
                      TitleButtons buttons)
{
    window->setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (buttons == TitleButtons::MinimizeAndClose)
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
    window->setFixedSize(clientSize);
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    // A window larger than the area (a small screen, a large scale factor) keeps its
    // top-left corner, title bar and menus in view.
    if (frame.width() > area.width())
        frame.moveLeft(area.left());
    if (frame.height() > area.height())
        frame.moveTop(area.top());
    window->move(frame.topLeft());
}

void resizeWithinScreen(QWidget* window, QSize wanted)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->resize(screen ? wanted.boundedTo(screen->availableGeometry().size()) : wanted);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Base);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QFont arial(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

void installFontSubstitutes()
{
    const QStringList families = QFontDatabase::families();
    QString face;
    for (const char* candidate :
         {"Liberation Sans", "Arimo", "Helvetica", "Nimbus Sans", "DejaVu Sans"}) {
        if (families.contains(QLatin1String(candidate))) {
            face = QLatin1String(candidate);
            break;
        }
    }
    if (face.isEmpty())
        return;
    for (const char* name : {"MS Sans Serif", "Arial"}) {
        const QString family = QLatin1String(name);
        if (!QFont::substitutes(family).contains(face))
            QFont::insertSubstitution(family, face);
    }
}

void installApplicationFont()
{
    installFontSubstitutes();
    QApplication::setFont(arial(8));
}

std::optional<QChar> typedCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return std::nullopt;
    const QChar c = text.front();
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return std::nullopt;
    return c;
}

bool enterPressesFocusedButton(QWidget* window, QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(window->focusWidget()))
        button->click();
    event->accept();
    return true;
}

} // namespace mirandel::windowkit
