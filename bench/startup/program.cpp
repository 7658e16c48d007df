// The program's side of the start-up benchmark: exactly what the program's main() does,
// with the first-paint probe on the main window.

#include "firstpaint.h"

#include "app/program.h"
#include "workbench/convers.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    mirandel::Program program;
    startupprobe::FirstPaint probe;
    program.conversion().installEventFilter(&probe);
    return program.exec();
}
