#include <QApplication>

#include "ui/qt/program_start.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return zarvik3::RunProgram(application);
}
