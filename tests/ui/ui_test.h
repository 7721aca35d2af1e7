#pragma once

#include <QObject>

// The windows, driven through their menu items, keys and dialog seams.
class UiTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Settings go to a folder of tests, and each test starts without any.
    void initTestCase();
    void init();

    // start-up and the main window
    void missingDictionary_showsMessageAndEnds();
    void recordsPastTheTable_areReportedAfterTheLoad();
    void menuTree_captionsAndShortcuts_data();
    void menuTree_captionsAndShortcuts();
    void firstLoad_textsFollowTheScript_data();
    void firstLoad_textsFollowTheScript();
    void layoutRule_followsWindowResize();

    // translation
    void translateText_fillsBoxAndPanels();
    void translateWordList_oneWordALineAndNoFilesLeft();
    void damagedDictionaryDuringRun_isReportedAndEndsTheProgram();
    void functionKeys_runTheTranslations();
    void secondCommandDuringRun_isIgnored();
    void exitDuringRun_endsAfterRemovingTemporaryFiles();
    void longTranslation_comesWholeUnlessTheBoxIsCleared();
    void longText_openedPastedAndTranslatedWhole();
    void longText_clearedDuringAPasteAndAfterARun();

    // statistics and About
    void statisticsWindow_showsReportOfLastRun();
    void statisticsWindow_columnsLineUpWhateverTheWordLengths();
    void aboutBox_textsInBothScripts();

    // file, clear and font commands
    void saveAndOpen_writeRtfAndKeepFormatting();
    void unreadableAndUnwritableFiles_keepTheBoxAndNameTheFailure();
    void clearCommands_emptyTheirBoxesAndTheFormatAtTheCaret();
    void fontCommand_appliesPropertiesInOrder();

    // correcting the dictionary
    void editTranslation_changesAddsAndRemovesWords();
    void editTranslation_badInputIsRefusedInTheWindowsScript();
    void editTranslation_fitsItsTextAndShowsTranslationsWithoutCyrillic();
    void editTranslation_readOnlyDictionaryEditsTheReadersCopy();
    void editTranslation_copyMadeSinceTheStartIsFoundAndKept();
    void editTranslation_wordFoundThroughItsFormOffersTheFormOrTheWord();
    void saveOverFile_asksInTheInterfaceLanguage_data();
    void saveOverFile_asksInTheInterfaceLanguage();
    void fileDialogs_admitEveryFileAndShunPseudoFileSystems();
    void changedDictionaryFile_isLoadedAgainWhenIdle();

    // the reading aids
    void articleWindow_followsTheWordAndMapsTheTranslationBack();
    void articleWindow_badWordsAndMissingDictionaryAreExplained();
    void wordMap_paragraphOffsetsFindWhatTheTextFinds();
    void unknownWords_savedAfterARunAndFormsRemembered();
    void pronounce_saysTheWordOffTheWindowThreadAndExplainsSilence();
};
