// How the kept image blends a dot's antialiased sprite: a whole row at a time, against
// the pixel-by-pixel sum worked out here, over the image's edges too.

#include "ui/raster.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

namespace {

// One channel: the sprite's premultiplied byte plus what it leaves of the image's.
QRgb blendedPixel(QRgb sprite, QRgb image) {
    const int keep = 255 - qAlpha(sprite);
    const auto mix = [&](int s, int d) { return s + d * keep / 255; };
    return qRgba(mix(qRed(sprite), qRed(image)), mix(qGreen(sprite), qGreen(image)),
                 mix(qBlue(sprite), qBlue(image)), mix(qAlpha(sprite), qAlpha(image)));
}

// A premultiplied pixel: no channel above its alpha; some transparent, some opaque.
QRgb randomSpritePixel(QRandomGenerator& g) {
    const int pick = g.bounded(4);
    const int alpha = pick == 0 ? 0 : pick == 1 ? 255 : g.bounded(1, 255);
    return qRgba(g.bounded(alpha + 1), g.bounded(alpha + 1), g.bounded(alpha + 1), alpha);
}

}  // namespace

class RasterTest : public QObject {
    Q_OBJECT

private slots:
    void rowIsBlendedPixelByPixel_data();
    void rowIsBlendedPixelByPixel();
    void everyAlphaOverEveryByte();
    void stampBlendsTheWholeSprite_data();
    void stampBlendsTheWholeSprite();
    void manyPlacesAsOneByOne_data();
    void manyPlacesAsOneByOne();
};

void RasterTest::rowIsBlendedPixelByPixel_data() {
    QTest::addColumn<int>("count");
    for (const int count : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 64})
        QTest::addRow("%d pixels", count) << count;
}

void RasterTest::rowIsBlendedPixelByPixel() {
    QFETCH(int, count);
    QRandomGenerator g(static_cast<quint32>(count));
    for (int round = 0; round < 200; ++round) {
        // GIVEN a row of sprite pixels over a row of opaque image pixels, with one more
        // image pixel on each side that must stay as it is
        std::vector<QRgb> sprite(static_cast<size_t>(count)), image(static_cast<size_t>(count) + 2);
        for (QRgb& s : sprite) s = randomSpritePixel(g);
        for (QRgb& d : image) d = 0xFF000000u | g.bounded(0x1000000u);
        std::vector<QRgb> expected = image;
        for (int x = 0; x < count; ++x)
            expected[size_t(x) + 1] = blendedPixel(sprite[x], image[x + 1]);
        // WHEN the row is blended at once
        ui::raster::blendRow(image.data() + 1, sprite.data(), count);
        // THEN every pixel is the one worked out alone
        QCOMPARE(image, expected);
    }
}

// Each of the 256 alphas over each byte value, four pixels at a time.
void RasterTest::everyAlphaOverEveryByte() {
    for (int alpha = 0; alpha < 256; ++alpha) {
        const QRgb sprite = qRgba(alpha / 3, alpha / 2, alpha, alpha);
        for (int d = 0; d < 256; d += 4) {
            QRgb image[4], expected[4];
            const QRgb four[4] = {sprite, sprite, sprite, sprite};
            for (int i = 0; i < 4; ++i) {
                image[i] = qRgb(d + i, 255 - d - i, (d + i) * 7 % 256);
                expected[i] = blendedPixel(sprite, image[i]);
            }
            ui::raster::blendRow(image, four, 4);
            for (int i = 0; i < 4; ++i) QCOMPARE(image[i], expected[i]);
        }
        // Nothing shows where the sprite is transparent, only it where it is opaque.
        QRgb left = qRgb(12, 34, 56);
        ui::raster::blendRow(&left, &sprite, 1);
        if (alpha == 0) QCOMPARE(left, qRgb(12, 34, 56));
        if (alpha == 255) QCOMPARE(left, sprite);
    }
}

void RasterTest::stampBlendsTheWholeSprite_data() {
    QTest::addColumn<int>("diameter");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("2 inside") << 2 << QPoint(10, 7);
    QTest::newRow("3 inside") << 3 << QPoint(3, 4);
    QTest::newRow("5 over the top left corner") << 5 << QPoint(-3, -4);
    QTest::newRow("9 over the right edge") << 9 << QPoint(16, 5);
    QTest::newRow("12 over the bottom edge") << 12 << QPoint(2, 8);
    QTest::newRow("7 wholly outside") << 7 << QPoint(30, -20);
}

void RasterTest::stampBlendsTheWholeSprite() {
    QFETCH(int, diameter);
    QFETCH(QPoint, at);
    // GIVEN an antialiased disc on a transparent square a pixel wider on each side
    QImage sprite(diameter + 2, diameter + 2, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 200));
        p.drawEllipse(QRectF(1, 1, diameter, diameter));
    }
    QImage image(20, 12, QImage::Format_RGB32);
    QRandomGenerator g(static_cast<quint32>(diameter));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(g.bounded(256), 200, 90));
    QImage expected = image;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (expected.rect().contains(at + QPoint(x, y)) && qAlpha(sprite.pixel(x, y)) != 0)
                expected.setPixel(
                    at + QPoint(x, y),
                    blendedPixel(sprite.pixel(x, y), expected.pixel(at + QPoint(x, y))));
    // WHEN it is blended from its stamp
    const ui::raster::Stamp stamp = ui::raster::stampOf(sprite);
    ui::raster::blend(image, stamp, at);
    // THEN the stamp keeps only the disc's rows and columns, and the image is the one
    // blended pixel by pixel
    QVERIFY(stamp.width <= diameter + 1 && stamp.height <= diameter + 1);
    QCOMPARE(image, expected);
}

void RasterTest::manyPlacesAsOneByOne_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("a few, on one thread") << 50;
    QTest::newRow("enough for two bands of rows") << 60000;
}

// GIVEN overlapping half-transparent dots, some over the edges WHEN they are blended all
// at once THEN each pixel is what blending them one after the other gives: the bands of
// rows painted at once keep each pixel's order.
void RasterTest::manyPlacesAsOneByOne() {
    QFETCH(int, count);
    QRandomGenerator g(static_cast<quint32>(count));
    QImage sprite(5, 5, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) sprite.setPixel(x, y, randomSpritePixel(g));
    const ui::raster::Stamp stamp = ui::raster::stampOf(sprite);
    QImage image(37, 29, QImage::Format_RGB32);
    image.fill(qRgb(250, 240, 200));
    std::vector<QPoint> places;
    for (int i = 0; i < count; ++i) places.emplace_back(g.bounded(-6, 40), g.bounded(-6, 32));
    QImage expected = image;
    for (const QPoint at : places) ui::raster::blend(expected, stamp, at);
    ui::raster::blendAll(image, stamp, places);
    QCOMPARE(image, expected);
}

QTEST_MAIN(RasterTest)
#include "tst_raster.moc"
