#pragma once

// The main window's own texts.
namespace morvane::forms::texts {

inline constexpr char kCancelHint[] = "Afsluiten";
inline constexpr char kSetupHint[] = "Setup";
inline constexpr char kPrinterSetupHint[] = "Printerinstellingen";
inline constexpr char kHelpHint[] = "Help";
inline constexpr char kInfoHint[] = "Programmainformatie";

inline constexpr char kLpt1Caption[] = "LPT1";
inline constexpr char kLpt2Caption[] = "LPT2";
inline constexpr char kLpt3Caption[] = "LPT3";
inline constexpr char kCom1Caption[] = "COM1";
inline constexpr char kCom2Caption[] = "COM2";
inline constexpr char kWinCaption[] = "Win";
inline constexpr char kLpt1Hint[] = "Uitvoer naar printerpoort lpt1 ";
inline constexpr char kLpt2Hint[] = "Uitvoer naar printerpoort lpt2";
inline constexpr char kLpt3Hint[] = "Uitvoer naar printerpoort lpt3";
inline constexpr char kCom1Hint[] = "Uitvoer naar seri\xC3\xABlepoort com1";
inline constexpr char kCom2Hint[] = "Uitvoer naar seri\xC3\xABlepoort com2";
inline constexpr char kWinHint[] = "Uitvoer naar windows printer";
inline constexpr char kPrinterLabel[] = "Windows pinter:";

inline constexpr char kCountsGroup[] = "Aantallen";
inline constexpr char kCountLabel[] = "Aantal kopie\xC3\xABn:";
inline constexpr char kPerFileCounts[] = "Het aantal kopie\xC3\xABn per bestand opgeven";
inline constexpr char kMakeSets[] = "Sets maken";

inline constexpr char kRowUpHint[] = "Regel omhoog";
inline constexpr char kRowDownHint[] = "Regel omlaag";
inline constexpr char kNewListCaption[] = "Nieuwe Lijst";
inline constexpr char kNewListHint[] = "Huidige lijst wissen en een nieuwe lijst beginnen";
inline constexpr char kOpenCaption[] = "Openen";
inline constexpr char kOpenHint[] = "Bestanden openen";

inline constexpr char kExtendedCaption[] = "<<";
inline constexpr char kExtendedHint[] = "Extra opties verbergen";
inline constexpr char kExtendedGuide[] = "Maak een lijst en kies daarna de uitvoereenheid";
inline constexpr char kSimpleCaption[] = ">>";
inline constexpr char kSimpleHint[] = "Extra opties weergeven";
inline constexpr char kSimpleGuide[] = "Kies uitvoereenheid daarna bestand";

// The hint bar during a run: "Bezig: kopie 3 van 12, voorbeeld.prn, 45%".
inline constexpr char kProgressPrefix[] = "Bezig: kopie ";
inline constexpr char kProgressOf[] = " van ";
inline constexpr char kProgressSeparator[] = ", ";
inline constexpr char kProgressPercent[] = "%";
// Added while a run is in progress: how to stop it.
inline constexpr char kStopKeyHint[] = " (Esc: afbreken)";
// Added while the window waits for the run to end before it closes.
inline constexpr char kClosesAfterRun[] = " (venster sluit na afloop)";
// The hint bar while a run waits for its IPP printers' word on its jobs.
inline constexpr char kWaitingForPrinter[] = "Wachten op de printer (Esc: niet meer wachten)";
// Esc or the close box during a run asks this, under the output caption.
inline constexpr char kStopQuestion[] = "Uitvoer afbreken?";
// Esc or the close box during a watch asks this.
inline constexpr char kWatchStopQuestion[] = "Bewaken stoppen?";
// The hint bar during a watch: "Map C:\labels: 12 verzonden, 1 mislukt (Esc: stoppen)".
inline constexpr char kWatchStatePrefix[] = "Map ";
inline constexpr char kWatchStateUnreachable[] = " niet bereikbaar";
inline constexpr char kWatchStateSeparator[] = ": ";
inline constexpr char kWatchStateSent[] = " verzonden, ";
inline constexpr char kWatchStateFailed[] = " mislukt";
inline constexpr char kWatchStopKeyHint[] = " (Esc: stoppen)";
// A watch that cannot start, followed by the folder.
inline constexpr char kFolderUnreachablePrefix[] = "Map niet bereikbaar: ";
// A file that could not be moved into a subfolder: the folder, then the
// system's number.
inline constexpr char kMoveFailedPrefix[] = "Fout bij verplaatsen naar ";
inline constexpr char kMoveFailedError[] = " (fout ";
inline constexpr char kMoveFailedSuffix[] = ")";
// A file in a watched folder whose name the system takes for a device's.
inline constexpr char kDeviceNameRefused[] = "Bestandsnaam is een apparaatnaam";
// The log's reason for a file whose copies a stop cut off or never started.
inline constexpr char kLogStopped[] = "afgebroken";
// Why the system is asked to wait with a log-off or shutdown during a run.
inline constexpr char kSessionEndBlocked[] = "Uitvoer bezig";
// At the end of a batch run whose log did not take every line.
inline constexpr char kLogNotWrittenPrefix[] = "Fout bij schrijven van het logbestand ";
inline constexpr char kLogNotWrittenSuffix[] = "! Niet elke regel van deze uitvoer staat erin.";

// The job list as a screen reader names it.
inline constexpr char kJobListName[] = "Bestandenlijst";

inline constexpr char kFileHeader[] = "Bestand";
inline constexpr char kCountHeader[] = "Aantal";

inline constexpr char kOpenDialogTitle[] = "Selecteer bestand";
inline constexpr char kAllFilesFilter[] = "alle bestanden    *.*";
inline constexpr char kAllFilesPattern[] = "*.*";
inline constexpr char kPrinterFilesFilter[] = "printerbestanden *.PRN";
inline constexpr char kPrinterFilesPattern[] = "*.PRN";

// A batch run that sends nothing: each followed by the argument or the name.
inline constexpr char kBadOptionPrefix[] = "Ongeldige optie: ";
inline constexpr char kPrinterNotFoundPrefix[] = "Printer niet gevonden: ";

// At the start, when a control file exists but could not be read whole.
inline constexpr char kSettingsUnreadPrefix[] = "Fout bij lezen van de instellingen uit ";
inline constexpr char kSettingsUnreadSuffix[] =
    "! De stuurcodes zijn mogelijk leeg of onvolledig; het bestand wordt niet bijgewerkt.";

// At the end, when the edited control strings could not be written.
inline constexpr char kSettingsNotSavedPrefix[] = "Fout bij opslaan van de instellingen in ";
inline constexpr char kSettingsNotSavedSuffix[] = "! De gewijzigde stuurcodes zijn niet bewaard.";

}  // namespace morvane::forms::texts
