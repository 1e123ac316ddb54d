#include "ui/splash_window.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace helion::ui {

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TITLE");
    setWindowTitle("Helion");
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel("<h1>Helion</h1>", this);
    name->setObjectName("lblTitle");
    name->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel("Western tropical astrology\nNatal charts, progressions, transits and Cosmodynes", this);
    text->setObjectName("lblSubtitle");
    text->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    layout->addWidget(name);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Closing the window by its frame also lets start-up go on.
    connect(this, &QDialog::finished, this, [this] { splashDone_ = true; });
}

void SplashWindow::waitForOk() {
    show();
    if (splashDone_) return;
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace helion::ui
