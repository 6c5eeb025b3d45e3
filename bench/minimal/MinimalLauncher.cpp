// The floor of the start-up goal: a Qt Widgets program with the launcher's
// widgets (a picture, a panel with two lists, two hidden lists, a menu bar
// of three menus), shown once and quit after its first paint, the same way
// lessonwright quits when asked to for a start-up measurement.
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal launcher"));
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);

    QImage picture(600, 450, QImage::Format_Indexed8);
    picture.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        picture.setColor(i, qRgb(i, 255 - i, (i * 7) & 255));
    for (int y = 0; y < picture.height(); ++y)
        std::fill_n(picture.scanLine(y), picture.width(), uchar((y * 256) / picture.height()));
    auto* image = new QLabel(client);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(QPixmap::fromImage(picture));
    auto* fill = new QVBoxLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(image);

    auto* panel = new QFrame(client);
    panel->setGeometry(320, 224, 273, 193);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* lessons = new QListWidget(panel);
    lessons->setGeometry(1, 1, 271, 56);
    for (int i = 1; i <= 20; ++i)
        lessons->addItem(QStringLiteral("Lesson %1").arg(i));
    auto* topics = new QListWidget(panel);
    topics->setGeometry(1, 57, 271, 135);
    auto* queue = new QListWidget(client);
    queue->hide();
    auto* rows = new QListWidget(client);
    for (int i = 0; i < 99; ++i)
        rows->addItem(QStringLiteral("row %1").arg(i));
    rows->hide();

    QMenuBar* bar = window.menuBar();
    QMenu* install = bar->addMenu(QStringLiteral("&Install"));
    install->addAction(QStringLiteral("Engine"));
    install->addSeparator();
    install->addAction(QStringLiteral("Browse"));
    install->addSeparator();
    install->addAction(QStringLiteral("&Close"));
    QMenu* content = bar->addMenu(QStringLiteral("Content"));
    content->addAction(QStringLiteral("Read Me"));
    content->addSeparator();
    content->addAction(QStringLiteral("How to Run?"));
    QMenu* web = bar->addMenu(QStringLiteral("&Web Browsers"));
    web->addAction(QStringLiteral("Browser one"));
    web->addAction(QStringLiteral("Browser two"));

    window.setFixedSize(599, 450 + bar->sizeHint().height());
    QuitAfterFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
