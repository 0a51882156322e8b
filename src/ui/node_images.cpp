#include "ui/node_images.h"

#include <QFont>
#include <QPainter>
#include <QVector>

namespace quillet {

const QStringList& nodeImageNames() {
    static const QStringList names = {"Navy Page",
                                      "Red Page",
                                      "Sky Blue Page",
                                      "Green Page",
                                      "Purple Book",
                                      "Yellow Book",
                                      "Help Book",
                                      "Open Folder",
                                      "Red Book",
                                      "Notepad",
                                      "Blue Post It",
                                      "Green Post It",
                                      "Red Post It",
                                      "Yellow Post It",
                                      "White Post It",
                                      "Pink Post It",
                                      "Microchip",
                                      "Keys",
                                      "Telephone",
                                      "Computer",
                                      "Video Camera",
                                      "Television",
                                      "Speaker",
                                      "Clock",
                                      "Calander",
                                      "Card Deck",
                                      "Robot",
                                      "Smiley Face",
                                      "Mine",
                                      "Silver Ball",
                                      "Globe",
                                      "Telephone World",
                                      "World",
                                      "Caution",
                                      "Question Mark",
                                      "Warning",
                                      "Information",
                                      "Two Heads",
                                      "Upside Down Man",
                                      "Falling Man",
                                      "People",
                                      "Hate Computer",
                                      "Ying Yang (Red/Yellow)",
                                      "Target",
                                      "Data CD",
                                      "Audio CD",
                                      "Floppy Disk",
                                      "Desk",
                                      "I-Grid",
                                      "Brain",
                                      "Nut and Bolt",
                                      "Rocket",
                                      "Orange Pepper",
                                      "Tomato",
                                      "Red Pepper",
                                      "Pumpkin",
                                      "Aqua Ball",
                                      "Blue Flower",
                                      "Lilac Flower",
                                      "Spikey Flower",
                                      "Yellow Flower",
                                      "Purple Flower",
                                      "White Flower",
                                      "Red Flower",
                                      "Green Flower",
                                      "Pink Flower",
                                      "Rose",
                                      "Red Cog",
                                      "Blue Star",
                                      "Yellow and Red Star",
                                      "Yellow Star",
                                      "Green Star",
                                      "Four Triangles",
                                      "Hammer",
                                      "Eye",
                                      "Red Butterfly",
                                      "Bee",
                                      "Pink Butterfly",
                                      "Yellow Butterfly",
                                      "Heart",
                                      "Hand",
                                      "Bowling Ball",
                                      "Music Note",
                                      "Flame",
                                      "Skull",
                                      "Aeroplane",
                                      "Paw Print",
                                      "Light Bulb",
                                      "Spade (Card)",
                                      "Diamond (Card)",
                                      "Club (Card)",
                                      "Heart (Card)",
                                      "Coin",
                                      "Mug",
                                      "Lamp",
                                      "Crystal Ball",
                                      "Lovers (Tarot)",
                                      "Chariot (Tarot)",
                                      "Death (Tarot)",
                                      "Devil (Tarot)",
                                      "Emperor (Tarot)",
                                      "Empress (Tarot)",
                                      "Hang (Tarot)",
                                      "Hermit (Tarot)",
                                      "Judge (Tarot)",
                                      "Justice (Tarot)",
                                      "Magician (Tarot)",
                                      "Moon (Tarot)",
                                      "Pope (Tarot)",
                                      "Prestess (Tarot)",
                                      "Star (Tarot)",
                                      "Strength (Tarot)",
                                      "Sun (Tarot)",
                                      "Temperance (Tarot)",
                                      "Tower (Tarot)",
                                      "Universe (Tarot)",
                                      "Key",
                                      "Running Man",
                                      "Purple Butterfly",
                                      "Blue Butterfly",
                                      "White Butterfly",
                                      "Light Blue Ball",
                                      "Blue Ball",
                                      "Orange Ball",
                                      "Green Ball",
                                      "Number 0",
                                      "Number 1",
                                      "Number 2",
                                      "Number 3",
                                      "Number 4",
                                      "Number 5",
                                      "Number 6",
                                      "Number 7",
                                      "Number 8",
                                      "Number 9",
                                      "Cat",
                                      "Picture Frame",
                                      "Green Tick",
                                      "Red Cross",
                                      "Mouth",
                                      "Lightning Bolt",
                                      "Beach",
                                      "Snow Flake",
                                      "Dice",
                                      "Cocktail",
                                      "Yin Yang",
                                      "Female",
                                      "Male",
                                      "Candle",
                                      "Man In Box"};
    return names;
}

QString nodeImageName(int index) {
    const QStringList& names = nodeImageNames();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

namespace {

const QVector<QImage>& images() {
    static const QVector<QImage> list = [] {
        QVector<QImage> out;
        out.reserve(kNodeImageCount);
        for (int i = 0; i < kNodeImageCount; ++i) {
            QImage image(kNodeImageSize, kNodeImageSize, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            paintNodeImage(p, i);
            p.end();
            out << image;
        }
        return out;
    }();
    return list;
}

} // namespace

QImage nodeImage(int index) {
    if (index < 0 || index >= kNodeImageCount)
        return QImage();
    return images().at(index);
}

QIcon nodeIcon(int index) {
    const QImage image = nodeImage(index);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QImage nodeImageContactSheet() {
    constexpr int columns = 5;
    constexpr int cellWidth = 230;
    constexpr int cellHeight = 40;
    constexpr int scale = 2;
    const int rows = (kNodeImageCount + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = 0; i < kNodeImageCount; ++i) {
        const int x = (i % columns) * cellWidth;
        const int y = (i / columns) * cellHeight;
        p.fillRect(QRect(x, y, cellWidth, cellHeight),
                   ((i / columns) % 2) ? QColor(0xF2, 0xF2, 0xF2) : QColor(Qt::white));
        const QImage image = nodeImage(i);
        p.drawImage(QPoint(x + 4, y + 4), image);
        p.drawImage(QRect(x + 24, y + 4, 16 * scale, 16 * scale), image);
        p.setPen(Qt::black);
        p.drawText(QRect(x + 62, y, cellWidth - 64, cellHeight), Qt::AlignVCenter,
                   QString::number(i) + QStringLiteral("  ") + nodeImageName(i));
    }
    return sheet;
}

} // namespace quillet
