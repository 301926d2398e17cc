// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TPrincipale, the main window: toolbar at the top, the page control with the
// three pages in the middle, the status bar (clock, hints) at the bottom, and the
// popup menu. How the pieces meet:
//  - the constructor builds the frame, lets the single-instance guard JustOne1
//    check for a running copy (src/app/tjustone.cpp), builds each page from its
//    own file (src/colourcode/resistorpage.cpp, src/reference/ledpage.cpp,
//    src/reference/capacitancepage.cpp, src/app/principale_toolbar.cpp), then
//    runs FormCreate, whose steps call into those files in a fixed order;
//  - the resistor page keeps its state in ColourCode and recomposes the value
//    line through UpdateValueLabel;
//  - closing by any route goes through closeEvent: FormCloseQuery, then FormClose
//    (help quit through src/help/, settings save in src/app/settings.cpp into
//    the settings file the window was given);
//  - handlers are connected through TApplication::handler, so that an error
//    raised in one is shown where it is raised and the rest of it is skipped;
//  - each page reads the bench's question typed in through its TPageEntry
//    (src/toolkit/tpageentry.h): the key that opens it comes through
//    keyPressEvent, and the page's entry file says what it reads, where it and
//    its answer stand and what Enter does.

#include "app/settings.h"
#include "colourcode/bandselection.h"
#include "colourcode/colourcode.h"
#include "reference/ledresistor.h"
#include "toolkit/tpageentry.h"
#include "toolkit/ttabsheet.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QKeyEvent;
class QMenu;
class QSessionManager;
class QTabWidget;
class QTimer;
class TGroupBox;
class TStatusBar;
class TLabel;
class TSpeedBar;
class TSpeedItem;
class TSpeedbarSection;
class TJustOne;
class TColourComboBox;
struct TOwnerDrawState;
class TShape;
class TBevelPanel;
class TBevel;
class TImage;
class TGlyphButton;
class TInlineEntry;

class TPrincipale : public QWidget {
    Q_OBJECT
public:
    // Keeps its settings in the given file (the program's own by default).
    explicit TPrincipale(SettingsFile settings = SettingsFile::ofProgram());
    ~TPrincipale() override;

    // --- Frame -------------------------------------------------------------
    TSpeedBar *SpeedBar1 = nullptr;
    TSpeedbarSection *SpeedbarSection1 = nullptr;
    TSpeedItem *BarreResistance = nullptr;
    TSpeedItem *BarreDiode = nullptr;
    TSpeedItem *BarreCapacite = nullptr;
    TSpeedItem *BarreAide = nullptr;
    TSpeedItem *BarreApropos = nullptr;
    TSpeedItem *BarreQuitter = nullptr;

    QTabWidget *PageControl1 = nullptr;
    // The LED and capacitance pages are built once the first frame is up, or
    // when one is chosen before that.
    TTabSheet *TabSheet1 = nullptr;
    TTabSheet *TabSheet2 = nullptr;
    TTabSheet *TabSheet3 = nullptr;
    TStatusBar *StatusBar = nullptr;
    QTimer *Timer1 = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *PopupResistance = nullptr;
    QAction *PopupLed = nullptr;
    QAction *PopupCapacite = nullptr;
    QAction *N1 = nullptr;
    QAction *PopupInformations = nullptr;
    QAction *N2 = nullptr;
    QAction *PopupQuitter = nullptr;

    TJustOne *JustOne1 = nullptr;

    // --- Resistor page (src/colourcode/resistorpage.cpp) ---------------------
    colourcode::ColourCode ColourCode;
    TBevelPanel *Panel1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    TColourComboBox *ComboBox1 = nullptr;
    TColourComboBox *ComboBox2 = nullptr;
    TColourComboBox *ComboBox3 = nullptr;
    TColourComboBox *ComboBox4 = nullptr;
    TColourComboBox *ComboBox5 = nullptr;
    TGroupBox *GroupBox1 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    TLabel *Label3 = nullptr;
    TShape *Shape1 = nullptr;
    TShape *Shape2 = nullptr;
    TShape *Shape3 = nullptr;
    TShape *Shape4 = nullptr;
    TShape *Shape5 = nullptr;
    TShape *Shape6 = nullptr;
    TShape *Shape7 = nullptr;
    TShape *Shape8 = nullptr;

    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void CheckBox1Click();
    void ComboBoxDrawItem(TColourComboBox *Control, int Index, const QRect &Rect,
                          const TOwnerDrawState &State);
    void UpdateValueLabel();
    void UpdateBands();
    void FillToleranceCombo();

    // Typing a value, copying the reading (src/colourcode/resistorentry.cpp).
    // The entry, its preview and what digits mean printed on a surface-mount
    // part are made when first opened.
    TInlineEntry *ValueEntry = nullptr;
    TLabel *ValuePreview = nullptr;
    TLabel *ValueCode = nullptr;
    colourcode::BandSelection bandSelection() const;
    // As the user would pick them: the band count first, then each list in turn.
    void selectBands(const colourcode::BandSelection &bands);
    // A resistance in the value entry's notation, on the colour-code page, as
    // Enter in the value entry takes it; where the page cannot show it, the
    // entry opens holding it and says why.
    void takeResistance(const QString &text);
    void copyReading();

    // --- LED page (src/reference/ledpage.cpp) --------------------------------
    TLabel *Label42 = nullptr;
    TLabel *Label61 = nullptr;
    TImage *Image1 = nullptr;
    TGroupBox *GroupBox3 = nullptr;
    TGroupBox *GroupBox4 = nullptr;
    TGlyphButton *AlimLed = nullptr;

    void AlimLedClick();

    // The series resistor for a supply and an LED typed in
    // (src/reference/ledentry.cpp): the entry beside AlimLed, the typed supply
    // as one more column of the table shown, the details under it; made when
    // first opened.
    TInlineEntry *SupplyEntry = nullptr;
    TLabel *SupplyColumn = nullptr;
    TLabel *SupplyFirstValue = nullptr;
    TLabel *SupplySecondValue = nullptr;
    TLabel *SupplyFirstDetails = nullptr;
    TLabel *SupplySecondDetails = nullptr;

    // --- Capacitance page (src/reference/capacitancepage.cpp) ----------------
    TGroupBox *GroupBox2 = nullptr;
    TBevel *Bevel1 = nullptr;
    TBevel *Bevel2 = nullptr;
    TImage *Image2 = nullptr;

    // Reading a capacitor's marking (src/reference/capacitanceentry.cpp): the
    // entry and its answer, one more row of the guide, made when first opened.
    TInlineEntry *MarkingEntry = nullptr;
    TLabel *MarkingMicro = nullptr;
    TLabel *MarkingNano = nullptr;
    TLabel *MarkingPico = nullptr;
    TLabel *MarkingTolerance = nullptr;
    TLabel *MarkingReason = nullptr;

    // The entry of the page shown, holding a text as typed there (F2: nothing
    // typed); false on a page without one, or where nothing it reads begins so.
    bool openPageEntry(const QString &typed);

    // --- Handlers of the frame (src/app/tprincipale.cpp) ---------------------
    void FormCreate();
    void Timer1Timer();
    void showhint();
    void BarreResistanceClick();
    void BarreDiodeClick();
    void BarreCapaciteClick();
    void PopupInformationsClick();
    void BarreAideClick();
    void BarreQuitterClick();
    void FormCloseQuery(bool &CanClose);
    void FormClose();
    // src/app/principale_toolbar.cpp
    void BarreAproposClick();

    // The quit question at a log-off or shutdown; false refuses it. Consent
    // lets the session's end, if it follows, stop the program at once, without
    // FormClose.
    bool queryEndSession();

    // --- Settings (src/app/settings.cpp) -------------------------------------
    void settingsLoad();
    void settingsSave();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildFrame();
    void buildPopupMenu();
    TTabSheet *addPage(const QString &name, const QString &caption);
    void buildShortcuts();
    // The popup menu opened from the keyboard, at the focused control.
    void popupAtFocus();
    // src/app/principale_toolbar.cpp
    void buildToolbar();
    // src/colourcode/resistorpage.cpp
    void buildResistorPage();
    void buildColourLists();
    void buildValueBox();
    void buildResistorDrawing();
    void connectResistorPage();
    // src/colourcode/resistorentry.cpp
    void buildValueEntryKeys();
    void buildValueEntry(TInlineEntry *entry);
    QString valuePreview(const QString &text);
    void acceptValueEntry(const QString &text);
    // src/reference/ledpage.cpp, src/reference/ledentry.cpp
    void buildLedPage();
    void buildSupplyEntryKeys();
    void buildSupplyEntry(TInlineEntry *entry);
    void layOutSupplyEntry(TPageEntry::Layout layout);
    QString supplyAnswer(const QString &text);
    void acceptSupplyEntry(const QString &text);
    reference::Supply ledSupplyShown() const;
    // src/reference/capacitancepage.cpp, src/reference/capacitanceentry.cpp
    void buildCapacitancePage();
    void buildMarkingEntryKeys();
    void buildMarkingEntry(TInlineEntry *entry);
    QString markingAnswer(const QString &text);

    // FormCreate's steps that belong to the pages and the toolbar.
    void resistorPageFirstStep();
    void loadToolbarWallpaper();
    void resistorPageInit();
    void setToolbarCursors();
    void ledPagePrepare();

    void commitSession(QSessionManager &manager);
    void prepareSettingsFolder() const;

    SettingsFile m_settings;

    // The pages' entries, each made with its page.
    TPageEntry *m_valueEntry = nullptr;
    TPageEntry *m_supplyEntry = nullptr;
    TPageEntry *m_markingEntry = nullptr;
    // What the entries stand beside: the LED tables' columns (cells of the
    // direct, then the alternating table, by column) and separators, the
    // guide's bottom row and its step.
    QList<QWidget *> m_ledColumns[2][4];
    QWidget *m_ledSeparators[2] = {};
    int m_ledSeparatorWidth = 0;
    std::pair<int, int> m_supplyRowTops; // the two rows' values, in the tables
    TLabel *m_guideBottomRow[3] = {};
    int m_guideRowStep = 0;

    bool m_endSessionConsent = false;
    bool m_painted = false;
};
