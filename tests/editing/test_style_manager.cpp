#include "common/scripted_prompts.h"
#include "editing/color_picker_widget.h"
#include "editing/style_manager_dialog.h"
#include "store/ini_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace quillet;
using quillet::test::ScriptedPrompts;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kSheet = "[Styles]\nCount=2\n1=Quote\n2=Body\n"
                          "[Quote]\nAlignment=Right\nFontName=Georgia\nFontSize=11\nItalic=1\n"
                          "FirstIndent=18\nColorR=16\nColorG=32\nColorB=48\n"
                          "[Body]\nFontSize=12\n";

} // namespace

class TestStyleManager : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    ScriptedPrompts m_prompts;
    CharAttributes m_text;
    ParaAttributes m_para;

    std::unique_ptr<TfrmStyleManager> open() {
        return std::make_unique<TfrmStyleManager>(StyleSheetLocation(m_path), m_prompts, [this] {
            return std::make_pair(m_text, m_para);
        });
    }
    void click(TfrmStyleManager& d, const char* name) { d.findChild<QPushButton*>(name)->click(); }

private slots:
    void init() {
        m_path = m_dir.filePath(QStringLiteral("quillet.ini"));
        writeFile(m_path, kSheet);
        m_prompts = ScriptedPrompts();
    }

    void opensWithNamesInStoredOrderNothingSelected() {
        auto d = open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Style Manager"));
        QCOMPARE(d->styleList()->count(), 2);
        QCOMPARE(d->styleList()->itemText(0), QStringLiteral("Quote"));
        QCOMPARE(d->styleList()->currentIndex(), -1);
        QCOMPARE(d->pages()->tabText(d->pages()->currentIndex()), QStringLiteral("Font"));
        QVERIFY(d->findChild<QRadioButton*>("rdoAlignment0")->isChecked());
        QCOMPARE(d->values().backColor, 0xFFFFFF);
    }

    void choosingANameLoadsIt() {
        auto d = open();
        d->loadStyle(QStringLiteral("Quote"));
        const StyleValues v = d->values();
        QCOMPARE(v.alignment, QStringLiteral("Right"));
        QCOMPARE(v.fontSize, 11);
        QVERIFY(v.italic && !v.bold);
        QCOMPARE(v.firstIndent, 18);
        QCOMPARE(v.color, 3153936);
        QCOMPARE(v.backColor, 0); // absent keys: value 0
    }

    void saveWithANewNameAsksAndSorts() {
        auto d = open();
        click(*d, "btnAdd");
        d->findChild<QCheckBox*>("chkBold")->setChecked(true);
        d->pages()->setCurrentIndex(1);
        m_prompts.setNextText(QStringLiteral("Chapter"));
        click(*d, "btnSave");
        QCOMPARE(m_prompts.log, QStringList{"input: Ideagrove | Enter Style Name | "});
        QCOMPARE(ReadStyleNames(m_path), (QStringList{"Body", "Chapter", "Quote"}));
        QCOMPARE(d->styleList()->count(), 3);
        QCOMPARE(d->styleList()->itemText(1), QStringLiteral("Chapter"));
        QCOMPARE(d->styleList()->currentIndex(), -1);
        QCOMPARE(d->pages()->currentIndex(), 0);
        const StyleValues saved = readStyle(m_path, QStringLiteral("Chapter"));
        QVERIFY(saved.bold);
        QCOMPARE(saved.fontName, QStringLiteral("Arial"));
        QCOMPARE(saved.backColor, 0xFFFFFF);
    }

    void cancellingTheNamePromptWritesNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancel") << true;
        QTest::newRow("empty") << false;
    }
    void cancellingTheNamePromptWritesNothing() {
        QFETCH(bool, cancel);
        auto d = open();
        m_prompts.setNextText(cancel ? std::nullopt : std::optional<QString>(QString()));
        click(*d, "btnSave");
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), kSheet);
    }

    void saveWithASelectedNameOverwritesInPlace() {
        auto d = open();
        d->styleList()->setCurrentIndex(0);
        d->loadStyle(QStringLiteral("Quote"));
        d->findChild<QSpinBox*>("seFontSize")->setValue(30);
        click(*d, "btnSave");
        QVERIFY(m_prompts.log.isEmpty());
        QCOMPARE(readStyle(m_path, QStringLiteral("Quote")).fontSize, 30);
        QCOMPARE(ReadStyleNames(m_path), (QStringList{"Body", "Quote"}));
    }

    void reservedNameIsRefused() {
        auto d = open();
        m_prompts.setNextText(QStringLiteral("STYLES"));
        click(*d, "btnSave");
        QCOMPARE(m_prompts.log.size(), 2);
        QVERIFY(m_prompts.log.last().startsWith("warning: "));
        QCOMPARE(ReadStyleNames(m_path), (QStringList{"Quote", "Body"}));
    }

    void removeDeletesTheSelectedStyle() {
        auto d = open();
        click(*d, "btnRemove"); // nothing selected: nothing happens
        QCOMPARE(ReadStyleNames(m_path).size(), 2);
        d->styleList()->setCurrentIndex(0);
        d->loadStyle(QStringLiteral("Quote"));
        click(*d, "btnRemove");
        QCOMPARE(ReadStyleNames(m_path), QStringList{"Body"});
        QCOMPARE(d->styleList()->count(), 1);
        QCOMPARE(d->styleList()->currentIndex(), -1);
        // The controls keep the removed style's values.
        QCOMPARE(d->values().fontSize, 11);
        TBigIniFile ini(m_path);
        QCOMPARE(ini.ReadString("Quote", "FontSize", "gone"), QStringLiteral("gone"));
    }

    void getCurrentCopiesTheSelection() {
        m_text.fontName = QStringLiteral("Courier New");
        m_text.size = 9;
        m_text.color = kAutoTextColor;
        m_text.backColor = kAutoBackColor;
        m_text.underline = true;
        m_text.isProtected = true;
        m_para.alignment = AlignCenter;
        m_para.firstIndent = 5;
        m_para.lineSpacing = 14;
        auto d = open();
        click(*d, "btnGetCurrent");
        const StyleValues v = d->values();
        QCOMPARE(v.fontSize, 9);
        QCOMPARE(v.color, kAutoTextColor);
        QCOMPARE(v.backColor, kAutoBackColor);
        QVERIFY(v.underline && v.isProtected && !v.bold);
        QCOMPARE(v.alignment, QStringLiteral("Center"));
        QCOMPARE(v.firstIndent, 5);
        QCOMPARE(v.lineSpacing, 14);
        // A justified paragraph leaves the alignment group as it was.
        m_para.alignment = AlignJustify;
        click(*d, "btnGetCurrent");
        QCOMPARE(d->values().alignment, QStringLiteral("Center"));
    }
};

QTEST_MAIN(TestStyleManager)
#include "test_style_manager.moc"
