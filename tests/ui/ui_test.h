#pragma once

#include <QObject>

// The windows, driven through their menu items, keys and dialog seams.
class UiTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // start-up and the main window
    void missingDictionary_showsMessageAndEnds();
    void recordsPastTheTable_areReportedAfterTheLoad();
    void menuTree_captionsAndShortcuts_data();
    void menuTree_captionsAndShortcuts();
    void layoutRule_followsWindowResize();

    // translation
    void translateText_fillsBoxAndPanels();
    void translateWordList_oneWordALineAndNoFilesLeft();
    void damagedDictionaryDuringRun_isReportedAndEndsTheProgram();
    void functionKeys_runTheTranslations();
    void secondCommandDuringRun_isIgnored();
    void exitDuringRun_endsAfterRemovingTemporaryFiles();
    void longTranslation_comesWholeUnlessTheBoxIsCleared();

    // statistics and About
    void statisticsWindow_showsReportOfLastRun();
    void statisticsWindow_columnsLineUpWhateverTheWordLengths();
    void aboutBox_textsInBothScripts();

    // file, clear and font commands
    void fileAndClearCommands_keepFormattingAndEmptyBoxes();
    void fontCommand_appliesPropertiesInOrder();

    // correcting the dictionary
    void editTranslation_changesAddsAndRemovesWords();
    void editTranslation_badInputIsRefusedInTheWindowsScript();
    void editTranslation_fitsItsTextAndShowsTranslationsWithoutCyrillic();
    void editTranslation_readOnlyDictionary_editsTheReadersCopy();
    void editTranslation_wordFoundThroughItsForm_offersTheFormOrTheWordItself();
    void saveOverFile_asksInTheInterfaceLanguage_data();
    void saveOverFile_asksInTheInterfaceLanguage();
    void fileDialogs_admitEveryFileAndShunPseudoFileSystems();

    // the reading aids
    void articleWindow_followsTheWordAndMapsTheTranslationBack();
    void articleWindow_badWordsAndMissingDictionaryAreExplained();
    void unknownWords_savedAfterARunAndFormsRemembered();
    void pronounce_saysTheWordOffTheWindowThreadAndExplainsSilence();
};
