// The least a Qt Widgets program does before a window is on screen: a dialog with a line
// of text and an OK button, the yardstick for Helion's own start-up. The text matters:
// the first text laid out loads the system's font database, which every real window pays.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "window_shown.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Hello"));
    layout->addWidget(new QPushButton("OK"));
    helion::bench::exitOnceShown(window);
}
