// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet view offscreen: fonts measure the sheet's cell heights, the main menu lights its
// covers and starts the generations, the page switch and the scroll reset, and what it prints.
#include "gui/sheet/CQuorvelView.h"

#include "core/document/CQuorvelDoc.h"
#include "core/sheet/SheetView.h"
#include "qtsheet/QtTextMetrics.h"
#include "qtsheet/SheetFonts.h"
#include "qtsheet/SheetPictures.h"

#include "GuiTestSupport.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace orthavel;

class SheetViewTest : public QObject {
    Q_OBJECT

    // A view of 620 x 400 units, shown and painted once.
    struct Shown {
        CQuorvelDoc document;
        test::ScriptedPerson ui;
        CQuorvelView view{document, ui};
        Shown() {
            view.resize(620 + view.verticalScrollBar()->sizeHint().width(),
                        400 + view.horizontalScrollBar()->sizeHint().height());
            QVERIFY(opened(view));
            paint();
        }
        // What the view shows on a screen of so many device pixels per pixel.
        QImage paint(qreal ratio = 1) {
            QImage image(view.viewport()->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            view.viewport()->render(&image);
            return image;
        }
        void moveTo(int x, int y) { QTest::mouseMove(view.viewport(), QPoint(x, y)); }
        int right() const { return view.viewport()->width(); }
    };

    // Counts the paint events of the widget it filters.
    struct PaintCounter : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    };

    // Whether the pixel is a shade of grey (an unlit cover) rather than a colour.
    static bool grey(QRgb pixel) {
        return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
    }

    // How many pixels of the box match.
    static int matching(const QImage& image, const QRect& box, auto match) {
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                count += match(image.pixel(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

private Q_SLOTS:
    // Which cover lights where is the core's (MainMenuHover); here, that a move repaints it lit.
    void aCoverLightsUnderThePointer() {
        Shown s;
        QVERIFY(s.ui.messages.empty()); // every font was created
        const QPoint leftCover(120, 100), rightCover(s.right() - 120, 100);
        QImage image = s.paint();
        QVERIFY(grey(image.pixel(leftCover)) && grey(image.pixel(rightCover)));
        // Both captions stand in blue on the black ground, also drawn scaled on a screen of two
        // device pixels per pixel.
        for (const auto& [shot, scale] : {std::pair{image, 1}, {s.paint(2), 2}}) {
            for (const auto& [left, width] : {std::pair{55, 145}, {s.right() - 270, 250}}) {
                const QRect band(left * scale, 10 * scale, width * scale, 20 * scale);
                QVERIFY(
                    matching(shot, band, [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 60; }));
                QVERIFY(!matching(shot, band, [](QRgb p) { return qRed(p) > 100; }));
            }
        }
        PaintCounter painted;
        s.view.viewport()->installEventFilter(&painted);
        s.moveTo(60, 200);
        QTRY_VERIFY(painted.count > 0); // the move asks for the repaint itself
        image = s.paint();
        QVERIFY(!grey(image.pixel(leftCover)) && grey(image.pixel(rightCover)));
        // After a change of the document, as after a generation, both are unlit again.
        s.document.ShowPage(0);
        image = s.paint();
        QVERIFY(grey(image.pixel(leftCover)) && grey(image.pixel(rightCover)));
    }

    void onlySheetPagesScroll() {
        Shown s;
        QScrollBar* vertical = s.view.verticalScrollBar();
        s.document.ShowPage(2);
        QVERIFY(vertical->isEnabled() && s.view.horizontalScrollBar()->isEnabled());
        QCOMPARE(vertical->maximum(), 900 - s.view.viewport()->height());
        vertical->setValue(200);
        s.view.horizontalScrollBar()->setValue(50);
        QCOMPARE(vertical->value(), 200);
        // The wheel and Page Down scroll a sheet page further down.
        const QPointF at(10, 10);
        QWheelEvent wheel(at, s.view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(s.view.viewport(), &wheel);
        const int wheeled = vertical->value();
        QVERIFY(wheeled > 200);
        QTest::keyClick(&s.view, Qt::Key_PageDown);
        QVERIFY(vertical->value() > wheeled);
        // Back on the menu the view stands at its start, before any paint.
        s.document.ShowPage(0);
        QVERIFY(vertical->value() == 0 && s.view.horizontalScrollBar()->value() == 0);
        QVERIFY(!vertical->isEnabled() && !s.view.horizontalScrollBar()->isEnabled());
    }

    void sheetPagesDrawBlackOnWhiteAndOtherPagesNothing() {
        Shown s;
        s.document.ShowPage(1);
        QImage image = s.paint(); // box A's top edge runs along y 45
        QCOMPARE(image.pixel(300, 45), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(300, 44), qRgb(255, 255, 255));
        // Scaled by one and a half, as on a screen so set, the edge stays sharp: black, no grey.
        const QImage scaled = s.paint(1.5);
        QVERIFY(matching(scaled, QRect(450, 60, 1, 16), [](QRgb p) { return qGray(p) == 0; }));
        QVERIFY(!matching(scaled, QRect(450, 60, 1, 16),
                          [](QRgb p) { return qGray(p) != 0 && qGray(p) != 255; }));
        // A hair colour typed in full is narrowed to end before "Encumb Max:" at x 190, on the
        // screen as on paper: its tail has ink up to 3 units before it.
        s.document.record().m_strHairColor = "Copper with ash tips";
        s.document.ShowPage(1);
        image = s.paint();
        const auto dark = [](QRgb p) { return qGray(p) < 128; };
        QVERIFY(matching(image, QRect(175, 324, 12, 13), dark));
        QVERIFY(!matching(image, QRect(187, 324, 3, 13), dark));
        s.document.ShowPage(7);
        QCOMPARE(s.paint().pixel(300, 45), qRgb(255, 255, 255));
        QCOMPARE(s.document.record().m_nPage, 7);
    }

    // Drawn by the build at whole ratios and here at any other, a picture has its size in
    // pixels at every ratio, so a sharp screen shows it sharp.
    void picturesHaveTheirSizeAtEveryPixelRatio() {
        const SheetPictures pictures;
        for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
            for (int i = 0; i < kPictureCount; ++i) {
                const PictureSize size = pictureSize(static_cast<PictureId>(i));
                const QImage& image = pictures.image(static_cast<PictureId>(i), ratio);
                QCOMPARE(image.size(), (QSizeF(size.width, size.height) * ratio).toSize());
                QCOMPARE(image.devicePixelRatio(), ratio);
            }
        }
    }

    void printsThePageShownAndExportsAllFour() {
        Shown s;
        s.document.ShowPage(3);
        const SheetFonts fonts;
        const QtTextMetrics metrics(fonts);
        QCOMPARE(s.view.pageForPaper().items(),
                 layoutSheetPage(s.document.record(), metrics, 3).items());
        // Titles are unkerned, as the sheet was laid out: a pair is as wide as its two letters.
        QCOMPARE(metrics.textWidth(FontId::CenturyGothic, "AV"),
                 metrics.textWidth(FontId::CenturyGothic, "A") +
                     metrics.textWidth(FontId::CenturyGothic, "V"));

        // The print dialog offers the page shown, as page 1 of 1; the preview shows that page.
        QList<int> range;
        whenOpen<QPrintDialog>([&range](QPrintDialog* dialog) {
            range = {dialog->minPage(), dialog->maxPage(), dialog->fromPage(), dialog->toPage()};
            dialog->reject();
        });
        s.view.print();
        QCOMPARE(range, (QList<int>{1, 1, 1, 1}));
        whenOpen<QPrintPreviewDialog>([&range](QPrintPreviewDialog* preview) {
            range = {preview->findChild<QPrintPreviewWidget*>()->pageCount()};
            preview->reject();
        });
        s.view.printPreview();
        QCOMPARE(range, QList<int>{1});

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QVERIFY(!s.view.exportPdfTo(path).has_value());
        const QByteArray pdf = readAll(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 4);
    }
};

QTEST_MAIN(SheetViewTest)
#include "sheet_view_test.moc"
