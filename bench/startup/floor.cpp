// The floor of the start-up benchmark: the least a Qt Widgets program with the main
// window's kind of controls costs to start, built with the same compiler flags as the
// program: a main window with a menu bar, a line edit and a combo box.

#include "firstpaint.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QLineEdit(central));
    auto* combo = new QComboBox(central);
    combo->addItems({QStringLiteral("inch / mm"), QStringLiteral("mm / inch")});
    layout->addWidget(combo);
    window.setCentralWidget(central);
    window.resize(543, 332);
    startupprobe::FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
