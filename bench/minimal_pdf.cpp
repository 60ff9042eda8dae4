// The least a Qt program does to write a PDF: start, open a one-page A4 PDF, draw one line of text
// and end. The yardstick for rotorsheet's cold start: the cost of a data-sheet PDF above this is
// what the program's own work adds.
//
// minimal_pdf OUT.pdf

#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: minimal_pdf OUT.pdf\n";
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(254); // a unit of 0.1 mm, as the pages draw
    QPainter painter(&writer);
    if (!painter.isActive()) {
        std::cerr << "minimal_pdf: cannot write " << argv[1] << "\n";
        return 3;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(34);
    painter.setFont(font);
    painter.drawText(QPointF(250, 300), QStringLiteral("Regenerative rotating heat exchanger"));
    return painter.end() ? 0 : 3;
}
