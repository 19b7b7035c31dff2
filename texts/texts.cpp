// The whole vocabulary of the program: captions, tool tips and message texts in both languages.
#include "texts/texts.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// clang-format off
// One row per control; a null pointer leaves that text to the window.
constexpr ControlText kControlTexts[] = {
    {"Command1", "Áttöltés", "Send",
     "Megnyitott/szerkesztés alatt álló adatállomány készülékre történő áttöltéséhez",
     "Load opened/modified data onto the BOX"},
    {"Command2", "Mentés", "Save",
     "A szerkesztés alatt álló adatállomány elmentéséhez", "Save modified data"},
    {"Command3", "Betöltés", "Load",
     "Egy korábban elmentett adatállomány betöltéséhez", "Load saved data"},
    {"Command4", "Kilépés", "Exit",
     "Alkalmazásból való kilépéshez", "Exit from the application"},
    {"Label8", "Felbontás:", "Resolution:",
     "A bemeneti feszültség tartomány felbontásának megadására", "Set input resolution"},
    {"Command9", "Hozzáad", "Add",
     "Görbe megadott feszültségértékkel való eltolásához", "Add offset to the curve"},
    {"Frame11", "Hozzáad", "Offset", "Görbe eltolása", "Move curve"},
    {"Command8", "Szoroz", "Multiply",
     "Kimeneti értékek megadott számmal való szorzásához", "Multiply output values"},
    {"Frame8", "Szoroz", "Multiply", "Kimeneti értékek szorzása", "Multiply output values"},
    {"Command5", "Generál", "Create",
     "Max. bemeneti fesz.-hez tartozó kimeneti fesz. megadásához",
     "Create line from 0V to the set voltage"},
    {"Frame9", "Egyenes", "Line", "Egyenes generálása", "Create line"},
    {"Frame10", "Pont", "Point",
     "Kiválasztott bemeneti érték adatai", "Datas of choosen point"},
    {"Frame2", "Feszültség értékek (V)", "Voltage values (V)",
     "Táblázat a különböző bemeneti feszültségekhez tartozó kimeneti feszültségekkel",
     "Chart of input and output values"},
    {"Label3", "U(be)", "U(in)", "Bemeneti feszültség", "Input voltage"},
    {"Label4", "U(ki)", "U(out)", "Kimeneti feszültség", "Output voltage"},
    {"Frame5", "Megjegyzés", "Note",
     "Ide írhatja az adott adatállományra vonatkozó megjegyzéseit",
     "Write here your notes regarding to the file"},
    {"Label5", "Bemenet (V):", "Input (V):",
     "Bemeneti fesz. tartomány kiválasztásához! Célszerű a lehető legszűkebb tartományt "
     "kiválasztani!",
     "Choose input voltage interval. Most narrow is suggested."},
    {"Label6", "Kimenet (V):", "Output (V):",
     "Kimeneti fesz. tartomány kiválasztásához! Célszerű a lehető legszűkebb tartományt "
     "kiválasztani!",
     "Choose output voltage interval. Most narrow is suggested."},
    {"Check1", "Bemeneti jelszűrés", "Input Signal Filter",
     "Bemeneti jelszűrés ki-be kapcsolásához", "Switch ON/OFF Input Signal Filtering"},
    {"Check2", "Kimeneti jelszűrés", "Output Signal Filter",
     "Kimeneti jelszűrés ki-be kapcsolásához", "Switch ON/OFF Output Signal Filtering"},
    {"Frame7", "Grafikon", "Graph",
     "A megadott fesz. értétekek megjelenítése és módosítása egérrel a grafikonon",
     "Curve regarding to the voltage values. Modify curve using your mouse!"},
    {"Command10", "Visszavon", "UnDo",
     "Utolsó értékmódosítás visszavonásához", "Restore last changed value"},
    {"Picture2", nullptr, nullptr, "Honlap megnyitása", "Open website"},
    {"Combo1", nullptr, nullptr,
     "Azon port kiválasztásához, melyhez csatlakoztatva van a készülék",
     "Choose port which the BOX is connected to"},
    {"Label7", nullptr, nullptr,
     "Azon port kiválasztásához, melyhez csatlakoztatva van a készülék",
     "Choose port which the BOX is connected to"},
    {"Combo4", nullptr, nullptr,
     "A bemeneti feszültség tartomány felbontásának beállítására", "Set input resolution"},
    {"Picture3", nullptr, nullptr, "Magyar nyelvre váltáshoz", "Change to hungarian language"},
    {"Picture4", nullptr, nullptr, "Angol nyelvre váltáshoz", "Change to english language"},
    {"Text4", nullptr, nullptr, "Görbeeltolás mértékenek megadásához", "Set offset"},
    {"Text3", nullptr, nullptr, "Kimeneti értékek szorzójanak megadásához", "Set factor"},
    {"Text5", nullptr, nullptr,
     "Generálandó egyenes max. bemeneti fesz.-hez tartozó kimeneti fesz.-nek megadásához",
     "Set output voltage for maximum input voltage"},
    {"Command6", nullptr, nullptr,
     "Kiválasztott törésponthoz tartozó kimeneti fesz. csökkentéséhez",
     "Decrease output value for choosen point"},
    {"Command7", nullptr, nullptr,
     "Kiválasztott törésponthoz tartozó kimeneti fesz. növeléséhez",
     "Increase output value for choosen point"},
    {"Text6", nullptr, nullptr,
     "Kiválasztott törésponthoz tartozó kimeneti feszültség", "Output voltage of choosen point"},
    {"Label13", nullptr, nullptr,
     "Kiválasztott törésponthoz tartozó bemeneti feszültség", "Input voltage of choosen point"},
    {"Frame4", nullptr, nullptr, "Be- és kimenet paraméterei", "Input and output parameters"},
    {"Combo3", nullptr, nullptr,
     "Bemeneti fesz. tartomány kiválasztásához! Célszerű a lehető legszűkebb tartományt "
     "kiválasztani!",
     "Choose input voltage interval. Most narrow is suggested."},
    {"Combo2", nullptr, nullptr,
     "Kimeneti fesz. tartomány kiválasztásához! Célszerű a lehető legszűkebb tartományt "
     "kiválasztani!",
     "Choose output voltage interval. Most narrow is suggested."},
    {"Text2", nullptr, nullptr,
     "Ide írhatja az adott adatállományra vonatkozó megjegyzéseit",
     "Write here your notes regarding to the file"},
};

constexpr const char* kAttentionHun = "Figyelem!";
constexpr const char* kAttentionEng = "Attention!";
constexpr const char* kExitHun = "Kilépés";
constexpr const char* kExitEng = "Exit";

// Blanks at either end of a piece are part of the text: pieces are joined to values without
// separators.
constexpr MessageText kMessageTexts[] = {
    {"MsgDataSent", "Adatállomány elküldve!", "Data has been sent!"},
    {"MsgSendingTitle", "Adatállomány elküldése", "Sending data"},
    {"MsgSentLabel", "Elküldve:", "Sent:"},
    {"MsgLoadDialogTitle", "Betöltés", "Load"},
    {"MsgSaveDialogTitle", "Mentés", "Save"},

    {"MsgResolutionDecrease",
     "Biztos, hogy csökkenti a felbontást? Apró részletek elveszhetnek, megadott görbe "
     "módosulhat!",
     "Are you sure to decrease resolution? Smooth details may disappear, curve may change!"},
    {"MsgResolutionDecreaseTitle", kAttentionHun, kAttentionEng},
    {"MsgOverwriteFile", "Az adatállomány már létezik! Felülírja?",
     "File exists. Do you want to overwrite it?"},
    {"MsgOverwriteFileTitle", "Felülírás", "Overwrite"},
    {"MsgSaveBeforeExit", "Menti az adatállományt?", "Do you want to save file?"},
    {"MsgSaveBeforeExitTitle", kExitHun, kExitEng},
    {"MsgSaveOnClose", "Menti az adatállományt?", "Do you want to save file?"},
    {"MsgSaveOnCloseTitle", kExitHun, kExitEng},
    // A load over unsaved work asks as the exit does.
    {"MsgSaveBeforeLoad", "Menti az adatállományt?", "Do you want to save file?"},
    {"MsgSaveBeforeLoadTitle", "Betöltés", "Load"},

    {"MsgBelowZero", "Kimeneti feszültség nem csökkenthető 0V alá!",
     "Output voltage can not be decreased below 0V!"},
    {"MsgBelowZeroTitle", kAttentionHun, kAttentionEng},
    {"MsgAboveMaxHead", "Kimeneti feszültség nem növelhető ",
     "Output voltage can not be increased above "},
    {"MsgAboveMaxTail", "V fölé!", "V!"},
    {"MsgAboveMaxTitle", kAttentionHun, kAttentionEng},

    {"MsgNoSuchPort",
     "A megadott számú 'Com Port' nem létezik a számítógépen! Válasszon másikat!",
     "This 'Com port' does not exist in this computer! Choose other!"},
    {"MsgSerialErrorHead", "[HIBA: Soros port]: '", "[ERROR: Serial port]: '"},
    {"MsgSerialErrorMid", ".' Hibakód: ", ".' Errorcode: "},
    {"MsgPortDeviceTried", "Kipróbált eszköz: ", "Device tried: "},
    // The port chooser's menu: which device "com N" opens.
    {"MsgPortMenuDefault", " (alapértelmezett)", " (default)"},
    {"MsgPortMenuAssigned", " (hozzárendelt eszköz)", " (assigned device)"},
    {"MsgPortMenuEnvironment", " (környezeti változó: ", " (environment variable "},
    {"MsgPortMenuStandard", "Alapértelmezett eszköz: ", "Default device: "},
    {"MsgPortMenuNone", "Nem található soros eszköz", "No serial device found"},
    // The send button's menu and the copies of the maps sent.
    {"MsgLoadLastSent", "Utoljára áttöltött adatállomány betöltése", "Load the last data sent"},
    {"MsgNothingSent", " (még nem volt áttöltés)", " (nothing sent yet)"},
    {"MsgSentNotKept", "Az áttöltött adatállomány másolata nem menthető:",
     "A copy of the data sent could not be kept:"},
    {"MsgRecordFolder",
     "Ebben a mappában az áttöltött adatállományok másolatai vannak, ide nem lehet menteni. "
     "Válasszon másik mappát!",
     "This folder keeps the copies of the data sent; nothing can be saved there. Choose "
     "another folder!"},
    {"MsgRecordFolderTitle", kAttentionHun, kAttentionEng},
    // What the box on the chosen com number holds, under the port chooser.
    {"MsgBoxSame", "BOX: azonos", "BOX: same"},
    {"MsgBoxSameBefore", "A képernyőn lévő adatállomány azonos azzal, amit erről a "
     "számítógépről utoljára a com ", "The data on screen is the data last sent to com "},
    {"MsgBoxSameAfter", " portra áttöltöttek.", " from this computer."},
    {"MsgBoxDifferent", "BOX: eltér", "BOX: differs"},
    {"MsgBoxDifferentBefore", "A képernyőn lévő adatállomány eltér attól, amit erről a "
     "számítógépről utoljára a com ", "The data on screen differs from the data last sent to com "},
    {"MsgBoxDifferentAfter", " portra áttöltöttek.", " from this computer."},
    {"MsgBoxNothingSent", "BOX: nem ismert", "BOX: unknown"},
    {"MsgBoxNothingSentBefore", "Erről a számítógépről még nem volt áttöltés a com ",
     "Nothing has been sent to com "},
    {"MsgBoxNothingSentAfter", " portra.", " from this computer yet."},
    {"MsgBoxCutOff", "BOX: megszakadt", "BOX: cut off"},
    {"MsgBoxCutOffBefore", "Az áttöltés (", "The send ("},
    {"MsgBoxCutOffAfter",
     ") megszakadt: a BOX a régi és az új adatállomány keverékét vagy a régit tartalmazhatja. "
     "Töltse át újra!",
     ") was cut off: the BOX may hold a mixture of the old and the new data, or the old data. "
     "Send again!"},
    {"MsgSendCutOffMark", "  (megszakadt)", "  (cut off)"},
    {"MsgCutOffAtStart",
     "Az alábbi áttöltések megszakadtak. Ezeken a portokon nem tudható, mit tartalmaz a BOX, "
     "amíg újra át nem tölti:",
     "These sends were cut off. What the BOX on these ports holds is not known until you send "
     "again:"},
    // Unsaved work kept for a start after a crash.
    {"MsgRestoreWork",
     "A program legutóbb nem zárult be rendesen. Visszaállítja a nem mentett adatállományt?",
     "The program did not close properly last time. Do you want to restore the unsaved data?"},
    {"MsgRestoreChanged", "Utolsó módosítás: ", "Last changed: "},
    {"MsgRestoreFile", "Adatállomány: ", "File: "},
    {"MsgRestoreNoFile", "(még nem volt mentve)", "(never saved)"},
    {"MsgRestoreWorkTitle", "Visszaállítás", "Restore"},
    {"MsgRecoveryDamaged", "A helyreállítási állomány sérült, nem állítható vissza.",
     "The recovery file is damaged and cannot be restored."},
    {"MsgRecoveryOtherVersion",
     "A helyreállítási állományt a program egy másik változata írta, nem állítható vissza.",
     "The recovery file was written by another version of the program and cannot be "
     "restored."},
    {"MsgRecoveryVersion", "Változat: ", "Version: "},
    {"MsgRecoveryKeptAside", "Félretéve ide:", "It was kept aside as:"},
    {"MsgRecoveryNotWritten", "A nem mentett munka nem menthető a helyreállításhoz:",
     "Unsaved work cannot be kept for recovery:"},
    {"MsgRecoverySign", "Nincs helyreállítás!", "No recovery!"},
    {"MsgRecoverySignName", "A helyreállítás nem menthető", "Recovery is not being kept"},
    {"MsgRecoverySignTip",
     "A nem mentett munka most nem kerül a helyreállítási mappába: egy összeomlás elvinné. "
     "Mentse az adatállományt! A mappa és az ok:",
     "Unsaved work is not being kept in the recovery folder now: a crash would lose it. Save "
     "the data! The folder and the reason:"},

    {"MsgCellPointOnly", "Csak tizedes pont használható, tizedes vessző nem! Adja meg újból:",
     "Only decimal point is accepted, not decimal comma! Try again:"},
    {"MsgCellPointOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgCellCommaOnly", "Csak tizedes vessző használható, tizedes pont nem! Adja meg újból:",
     "Only decimal comma is accepted, not decimal point! Try again:"},
    {"MsgCellCommaOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgCellMaxHead", "Maximális kimeneti érték: ", "Maximum output value: "},
    {"MsgCellMaxTail", "V! Adja meg újból:", "V! Try again:"},
    {"MsgCellMaxTitle", kAttentionHun, kAttentionEng},
    {"MsgCellMin", "Minimális kimeneti érték: 0V! Adja meg újból:",
     "Minimum output value: 0V! Try again:"},
    {"MsgCellMinTitle", kAttentionHun, kAttentionEng},
    {"MsgCellNotNumber", "Megadott érték csak szám lehet! Adja meg újból:",
     "Value must be number! Try again:"},
    {"MsgCellNotNumberTitle", kAttentionHun, kAttentionEng},

    {"MsgFactorPointOnly",
     "Csak tizedes pont használható, tizedes vessző nem! Adja meg újból a szorzó tényezőt!",
     "Only decimal point is accepted, not decimal comma! Set again the factor!"},
    {"MsgFactorPointOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgFactorCommaOnly",
     "Csak tizedes vessző használható, tizedes pont nem! Adja meg újból a szorzó tényezőt!",
     "Only decimal comma is accepted, not decimal point! Set again the factor!"},
    {"MsgFactorCommaOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgFactorMin", "Minimális szorzó tényező: 0! Adja meg újból a szorzó tényezőt!",
     "Minimum factor is: 0! Set again the factor!"},
    {"MsgFactorMinTitle", kAttentionHun, kAttentionEng},
    {"MsgFactorNotNumber", "Megadott érték csak szám lehet! Adja meg újból a szorzó tényezőt!",
     "Value must be number! Set again the factor!"},
    {"MsgFactorNotNumberTitle", kAttentionHun, kAttentionEng},

    {"MsgOffsetPointOnly",
     "Csak tizedes pont használható, tizedes vessző nem! Adja meg újból a hozzáadandó értéket!",
     "Only decimal point is accepted, not decimal comma! Set again the offset!"},
    {"MsgOffsetPointOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgOffsetCommaOnly",
     "Csak tizedes vessző használható, tizedes pont nem! Adja meg újból a hozzáadandó értéket!",
     "Only decimal comma is accepted, not decimal point! Set again the offset!"},
    {"MsgOffsetCommaOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgOffsetMaxHead", "Maximális hozzaadandó érték: ", "Maximum offset is: "},
    {"MsgOffsetMaxTail", "V! Adja meg újból a hozzáadandó értéket!", "V! Set again the offset!"},
    {"MsgOffsetMaxTitle", kAttentionHun, kAttentionEng},
    {"MsgOffsetMinHead", "Minimális hozzaadandó érték: -", "Minimum offset is: -"},
    {"MsgOffsetMinTail", "V! Adja meg újból a hozzáadandó értéket!", "V! Set again the offset!"},
    {"MsgOffsetMinTitle", kAttentionHun, kAttentionEng},
    {"MsgOffsetNotNumber",
     "Megadott érték csak szám lehet! Adja meg újból a hozzáadandó értéket!",
     "Value must be number! Set again the offset!"},
    {"MsgOffsetNotNumberTitle", kAttentionHun, kAttentionEng},

    {"MsgLinePointOnlyHead",
     "Csak tizedes pont használható, tizedes vessző nem! Adja meg újból a(z) ",
     "Only decimal point is accepted, not decimal comma! Set again the output voltage for "
     "input voltage: "},
    {"MsgLinePointOnlyTail", "V-hoz tartozó kimeneti feszültséget!", "V!"},
    {"MsgLinePointOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgLineCommaOnlyHead",
     "Csak tizedes vessző használható, tizedes pont nem! Adja meg újból a(z) ",
     "Only decimal comma is accepted, not decimal point! Set again the output voltage for "
     "input voltage: "},
    {"MsgLineCommaOnlyTail", "V-hoz tartozó kimeneti feszültséget!", "V!"},
    {"MsgLineCommaOnlyTitle", kAttentionHun, kAttentionEng},
    {"MsgLineMaxHead", "Maximális kimeneti érték: ", "Maximum output value is: "},
    {"MsgLineMaxMid", "V! Adja meg újból a(z) ",
     "V! Set again the output voltage for input voltage: "},
    {"MsgLineMaxTail", "V-hoz tartozó kimeneti feszültséget!", "V!"},
    {"MsgLineMaxTitle", kAttentionHun, kAttentionEng},
    {"MsgLineMinHead", "Minimális kimeneti érték: 0V! Adja meg újból a(z) ",
     "Minimum output value is: 0V! Set again the output voltage for input voltage: "},
    {"MsgLineMinTail", "V-hoz tartozó kimeneti feszültséget!", "V!"},
    {"MsgLineMinTitle", kAttentionHun, kAttentionEng},
    {"MsgLineNotNumberHead", "Megadott érték csak szám lehet! Adja meg újból a(z) ",
     "Value must be number! Set again the output voltage for input voltage: "},
    {"MsgLineNotNumberTail", "V-hoz tartozó kimeneti feszültséget!", "V!"},
    {"MsgLineNotNumberTitle", kAttentionHun, kAttentionEng},
    // Data files that cannot be saved or loaded: the file, then the reason.
    {"MsgSaveFailed", "Az adatállomány mentése nem sikerült:",
     "The data file could not be saved:"},
    {"MsgSaveFailedTitle", kAttentionHun, kAttentionEng},
    {"MsgLoadFailed", "Az adatállomány nem tölthető be:", "The data file could not be loaded:"},
    {"MsgLoadFailedTitle", kAttentionHun, kAttentionEng},
    {"MsgLoadFailedLine", "Hibás sor:", "Bad line:"},
    {"MsgNoteTooLongHead",
     "A megjegyzés túl hosszú, így nem menthető! Az adatállomány legfeljebb ",
     "The note is too long to be saved! A data file may hold at most "},
    {"MsgNoteTooLongMiddle", " bájt lehet, ezzel a megjegyzéssel ",
     " bytes; with this note it would be "},
    {"MsgNoteTooLongTail", " bájt lenne.", " bytes."},
    {"MsgNoteTooLongTitle", kAttentionHun, kAttentionEng},
    {"MsgPaxCannotRead", "Az állomány nem olvasható.", "The file cannot be read."},
    {"MsgPaxTooLarge", "Az állomány túl nagy.", "The file is too large."},
    {"MsgPaxBinary", "Az állomány nem szöveges.", "The file is not a text file."},
    {"MsgPaxTruncated", "Az állomány csonka, ez a sor hiányzik.",
     "The file is truncated: this line is missing."},
    {"MsgPaxBadSpan", "A feszültségtartomány csak 5, 10 vagy 15 lehet.",
     "A voltage span must be 5, 10 or 15."},
    {"MsgPaxBadFilter", "A szűrő értéke csak 0 vagy 1 lehet.", "A filter value must be 0 or 1."},
    {"MsgPaxBadResolution", "A felbontás csak 128, 64, 32, 16 vagy 8 lehet.",
     "The resolution must be 128, 64, 32, 16 or 8."},
    {"MsgPaxNotNumber", "A sor nem szám.", "The line is not a number."},
    {"MsgPaxValueOutOfRange", "Az érték a kimeneti tartományon kívül esik.",
     "The value is outside the output span."},
    // The user guide picture, when no browser can show the guide; then the guide's path.
    {"MsgGuideNotOpened",
     "Nem indítható böngésző a felhasználói útmutatóhoz. Az útmutató itt található:",
     "No web browser could be started for the user guide. The guide is here:"},
    {"MsgGuideNotOpenedTitle", kAttentionHun, kAttentionEng},
    {"MsgGuidePicture", "Felhasználói útmutató", "User guide"},
    // Pasting into the table: all lines or none.
    {"MsgPasteRefused", "Semmi sem lett beillesztve, egyetlen érték sem változott.",
     "Nothing was pasted; no value has changed."},
    {"MsgPasteRefusedTitle", kAttentionHun, kAttentionEng},
    {"MsgPasteNotNumber", "A sor nem szám.", "The line is not a number."},
    {"MsgPastePointOnly", "Csak tizedes pont használható, tizedes vessző nem.",
     "Only decimal point is accepted, not decimal comma."},
    {"MsgPasteCommaOnly", "Csak tizedes vessző használható, tizedes pont nem.",
     "Only decimal comma is accepted, not decimal point."},
    {"MsgPasteMax", "Maximális kimeneti érték: ", "Maximum output value: "},
    {"MsgPasteMaxUnit", "V.", "V."},
    {"MsgPasteMin", "Minimális kimeneti érték: 0V.", "Minimum output value: 0V."},
    {"MsgPastePastLastRow", "A sorok túlnyúlnak az utolsó törésponton.",
     "The lines run past the last breakpoint."},
    // The UnDo button's menu: the history of the map, each step named by its action.
    {"MsgHistoryUndo", "Visszavonás", "Undo"},
    {"MsgHistoryRedo", "Mégis", "Redo"},
    {"MsgActionCell", "Cella értéke", "Cell value"},
    {"MsgActionMultiply", "Szorzás", "Multiply"},
    {"MsgActionAddOffset", "Eltolás", "Add offset"},
    {"MsgActionCreateLine", "Egyenes", "Straight line"},
    {"MsgActionUnDo", "Visszavon gomb", "UnDo button"},
    {"MsgActionPaste", "Beillesztés", "Paste"},
    {"MsgActionStep", "Léptetés", "Step"},
    {"MsgActionDrag", "Húzás a grafikonon", "Drag on the graph"},
    {"MsgActionInputSpan", "Bemeneti tartomány", "Input span"},
    {"MsgActionOutputSpan", "Kimeneti tartomány", "Output span"},
    {"MsgActionResolution", "Felbontás", "Resolution"},
    {"MsgActionFilter", "Jelszűrés", "Signal filter"},
    {"MsgActionNote", "Megjegyzés", "Note"},
    {"MsgActionRangeSet", "Érték beállítása", "Set to value"},
    {"MsgActionRangeMultiply", "Tartomány szorzása", "Multiply range"},
    {"MsgActionRangeAdd", "Hozzáadás a tartományhoz", "Add to range"},
    {"MsgActionInterpolate", "Interpolálás", "Interpolate"},
    {"MsgActionSmooth", "Simítás", "Smooth"},
    {"MsgActionImportPoints", "Pontok beolvasása", "Import points"},
    // The chart's own menu.
    {"MsgMenuCompare", "Összehasonlítás fájllal…", "Compare with file…"},
    {"MsgMenuCompareLastSent", "Összehasonlítás az utoljára áttöltöttel",
     "Compare with the last map sent"},
    {"MsgMenuCopyPicture", "Grafikon másolása képként", "Copy chart picture"},
    {"MsgMenuSavePicture", "Grafikon mentése képként…", "Save chart picture…"},
    {"MsgCompareDialogTitle", "Összehasonlítás fájllal", "Compare with file"},
    {"MsgSavePictureDialogTitle", "Grafikon mentése képként", "Save chart picture"},
    {"MsgPictureSaveFailed", "A kép mentése nem sikerült:", "The picture could not be saved:"},
    {"MsgPictureSaveFailedTitle", kAttentionHun, kAttentionEng},
    // The one-page report of a map.
    {"MsgMenuSaveReport", "Jegyzőkönyv mentése (PDF)…", "Save report (PDF)…"},
    {"MsgSaveReportDialogTitle", "Jegyzőkönyv mentése", "Save report"},
    {"MsgReportSaveFailed", "A jegyzőkönyv mentése nem sikerült:",
     "The report could not be saved:"},
    {"MsgReportSaveFailedTitle", kAttentionHun, kAttentionEng},
    {"MsgReportTitle", "SOLVA-TX feszültségtérkép – jegyzőkönyv", "SOLVA-TX voltage map – report"},
    {"MsgReportFile", "Adatállomány:", "File:"},
    {"MsgReportNotSaved", "(nincs mentve)", "(not saved)"},
    {"MsgReportChanged", " (a térkép a mentés óta módosult)", " (the map has changed since)"},
    {"MsgReportFileDate", "Az adatállomány dátuma:", "File date:"},
    {"MsgReportMade", "A jegyzőkönyv készült:", "Report made:"},
    {"MsgReportInputSpan", "Bemeneti tartomány:", "Input span:"},
    {"MsgReportOutputSpan", "Kimeneti tartomány:", "Output span:"},
    {"MsgReportResolution", "Felbontás:", "Resolution:"},
    {"MsgReportBreakpoints", " töréspont", " breakpoints"},
    {"MsgReportInputFilter", "Bemeneti jelszűrés:", "Input signal filter:"},
    {"MsgReportOutputFilter", "Kimeneti jelszűrés:", "Output signal filter:"},
    {"MsgReportOn", "be", "on"},
    {"MsgReportOff", "ki", "off"},
    {"MsgReportConfigByte", "Konfigurációs bájt:", "Configuration byte:"},
    {"MsgReportChecksum", "Az áttöltött 768 bájt ellenőrzőösszege (CRC-32):",
     "Checksum of the 768 bytes sent (CRC-32):"},
    {"MsgReportNote", "Megjegyzés:", "Note:"},
    {"MsgReportNoteCut", "(a megjegyzés folytatása az adatállományban)",
     "(the note goes on in the file)"},
    {"MsgReportPoint", "Pont", "Point"},
    {"MsgReportInputVolts", "U(be) V", "U(in) V"},
    {"MsgReportOutputVolts", "U(ki) V", "U(out) V"},
    // The menu of a range of breakpoints, on the table and the chart; the key of each
    // operation follows its name in the menu.
    {"MsgMenuRangeSet", "Érték beállítása…", "Set to value…"},
    {"MsgMenuRangeMultiply", "Szorzás…", "Multiply…"},
    {"MsgMenuRangeAdd", "Hozzáadás…", "Add…"},
    {"MsgMenuRangeInterpolate", "Interpolálás", "Interpolate"},
    {"MsgMenuRangeSmooth", "Simítás", "Smooth"},
    {"MsgMenuImportPoints", "Pontok beolvasása…", "Import points…"},
    {"MsgMenuImportFromClipboard", "Pontok beolvasása a vágólapról",
     "Import points from the clipboard"},
    {"MsgClipboardSource", "(vágólap)", "(clipboard)"},
    {"MsgRangeSetPrompt", "A kijelölt töréspontok kimeneti feszültsége (V):",
     "Output voltage of the selected breakpoints (V):"},
    {"MsgRangeSetTitle", "Érték beállítása", "Set to value"},
    {"MsgRangeMultiplyPrompt", "A kijelölt töréspontok szorzó tényezője:",
     "Factor for the selected breakpoints:"},
    {"MsgRangeMultiplyTitle", "Szorzás", "Multiply"},
    {"MsgRangeAddPrompt", "A kijelölt töréspontokhoz hozzáadandó érték (V):",
     "Offset for the selected breakpoints (V):"},
    {"MsgRangeAddTitle", "Hozzáadás", "Add"},
    {"MsgPointsDialogTitle", "Pontok beolvasása", "Import points"},
    {"MsgPointsFilter", "Szöveges állományok (*.txt *.csv *.tsv *.dat);;Minden állomány (*)",
     "Text files (*.txt *.csv *.tsv *.dat);;All files (*)"},
    {"MsgPointsApply",
     "A világoskék görbe mutatja az eredményt, a pontok megjelölve. Alkalmazza?",
     "The light-blue curve shows the result, with the points marked. Apply it?"},
    // A datasheet's (input, output) points: nothing is imported from a text with a bad line.
    {"MsgPointsRefused", "A pontok nem lettek beolvasva, egyetlen érték sem változott.",
     "The points were not imported; no value has changed."},
    {"MsgPointsRefusedTitle", kAttentionHun, kAttentionEng},
    {"MsgPointsNotTwoNumbers", "A sor nem két szám (bemenet és kimenet).",
     "The line is not two numbers (input and output)."},
    // How a refused line of points or of a paste was split.
    {"MsgSeparatorFound", "A sorban talált oszlopelválasztó: ", "Column separator found: "},
    {"MsgSeparatorTab", "tabulátor", "tab"},
    {"MsgSeparatorSemicolon", "pontosvessző", "semicolon"},
    {"MsgSeparatorComma", "vessző", "comma"},
    {"MsgSeparatorSpaces", "szóköz", "space"},
    {"MsgDecimalExpected", ". Elvárt tizedesjel: ", ". Decimal separator expected: "},
    {"MsgDecimalPoint", "pont.", "point."},
    {"MsgDecimalCommaOrPoint", "vessző vagy pont.", "comma or point."},
    {"MsgPointsInputOutside", "A bemeneti feszültség kívül esik a tartományon: 0 - ",
     "The input voltage is outside the input span: 0 - "},
    {"MsgPointsOutputOutside", "A kimeneti feszültség kívül esik a tartományon: 0 - ",
     "The output voltage is outside the output span: 0 - "},
    {"MsgPointsSpanTail", " V.", " V."},
    {"MsgPointsInputTwice", "Ez a bemeneti feszültség egy korábbi sorban már szerepel.",
     "This input voltage is already given on an earlier line."},
    {"MsgPointsTooFew", "Legalább két pont szükséges.", "At least two points are needed."},
    {"MsgPointsDifference", "A pontok és a készülék kimenete közötti legnagyobb eltérés: ",
     "Largest difference between the points and the output of the BOX: "},
    {"MsgPointsDifferencePoint", " mV, ennél a pontnál: ", " mV, at the point "},
    {"MsgPointsDifferenceLine", " (sor: ", " (line "},
};
// clang-format on

const MessageText* FindMessageText(const char* key) {
    for (const MessageText& row : kMessageTexts) {
        if (std::strcmp(row.key, key) == 0) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

QString LanguageCode(UiLanguage language) {
    return language == UiLanguage::Hun ? QStringLiteral("hun") : QStringLiteral("eng");
}

std::span<const ControlText> ControlTexts() {
    return kControlTexts;
}

std::span<const MessageText> MessageTexts() {
    return kMessageTexts;
}

QString PointPanelCaption(UiLanguage language, int breakpointNumber) {
    const ControlText& row =
        *std::find_if(std::begin(kControlTexts), std::end(kControlTexts),
                      [](const ControlText& r) { return std::strcmp(r.control, "Frame10") == 0; });
    QString caption =
        QString::fromUtf8(language == UiLanguage::Hun ? row.captionHun : row.captionEng);
    if (breakpointNumber > 0) {
        caption += QLatin1Char('(') + QString::number(breakpointNumber) + QLatin1Char(')');
    }
    return caption;
}

QString Texts::operator()(const char* key) const {
    const MessageText* row = FindMessageText(key);
    Q_ASSERT_X(row != nullptr, "Texts", key);
    if (row == nullptr) {
        return QString::fromLatin1(key);
    }
    return QString::fromUtf8(language_ == UiLanguage::Hun ? row->hun : row->eng);
}
