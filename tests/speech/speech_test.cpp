#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "../core/temp_folder.h"
#include "speech/speech.h"
#include "speech/speech_pieces.h"

namespace vorna::speech {
namespace {

uint32_t little_endian(const std::string& bytes, std::size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(SpeechTest, a_word_becomes_an_audible_wav_file) {
    SpeechSound probe;
    if (synthesise("house", probe).failure == SpeechFailure::no_voice)
        GTEST_SKIP() << "the speech synthesiser's English voice (espeak-ng-data) is not installed";
    testing::TempFolder folder;
    ASSERT_TRUE(write_wav("house", folder.file("h.wav")).ok());
    const std::string wav = folder.read("h.wav");
    ASSERT_GT(wav.size(), 44u + 2 * 1000);  // more than a few milliseconds of sound
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(little_endian(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(little_endian(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(little_endian(wav, 22, 2), 1u);  // mono
    const uint32_t rate = little_endian(wav, 24, 4);
    EXPECT_GE(rate, 8000u);
    EXPECT_EQ(little_endian(wav, 28, 4), rate * 2);
    EXPECT_EQ(little_endian(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(little_endian(wav, 40, 4), wav.size() - 44);
    int loudest = 0;
    for (std::size_t at = 44; at + 1 < wav.size(); at += 2)
        loudest = std::max(loudest, std::abs(static_cast<int16_t>(little_endian(wav, at, 2))));
    EXPECT_GT(loudest, 1000) << "silence";

    // A longer text gives a longer sound; a second call works as the first.
    SpeechSound sentence;
    ASSERT_TRUE(synthesise("The house is big and old.", sentence).ok());
    EXPECT_GT(sentence.samples.size(), probe.samples.size() * 2);
}

TEST(SpeechTest, nothing_to_say_or_nowhere_to_write_changes_nothing) {
    testing::TempFolder folder;
    for (const char* text : {"", "  42 — ", "дом"})
        EXPECT_EQ(write_wav(text, folder.file("x.wav")).failure, SpeechFailure::nothing_to_say);
    EXPECT_EQ(speak("").failure, SpeechFailure::nothing_to_say);
    EXPECT_FALSE(folder.exists("x.wav"));

    SpeechSound probe;
    if (synthesise("house", probe).failure == SpeechFailure::no_voice)
        GTEST_SKIP() << "the speech synthesiser's English voice (espeak-ng-data) is not installed";
    const SpeechOutcome outcome = write_wav("house", folder.file("no-such-folder/h.wav"));
    EXPECT_EQ(outcome.failure, SpeechFailure::not_written);
    EXPECT_FALSE(outcome.status.ok());
}

TEST(SpeechTest, a_text_is_said_in_short_pieces_and_cut_after_its_word_limit) {
    EXPECT_EQ(speech_pieces("  Hello,  world.\nThe cat sat on the big red mat ").pieces,
              (std::vector<std::string>{"Hello,", "world.", "The cat sat on the big", "red mat"}));
    EXPECT_TRUE(speech_pieces(" \t\n").pieces.empty());

    std::string long_text;
    for (std::size_t i = 0; i < kMostWordsSaid + 50; ++i)
        long_text += "w" + std::to_string(i) + (i % 10 == 9 ? ". " : " ");
    const SpeechPieces said = speech_pieces(long_text);
    EXPECT_EQ(said.words_left_out, 50u);
    std::string joined;
    std::size_t words = 0;
    for (const std::string& piece : said.pieces) {
        const auto in_piece =
            static_cast<std::size_t>(std::count(piece.begin(), piece.end(), ' ')) + 1;
        EXPECT_LE(in_piece, kMostWordsInAPiece) << piece;
        words += in_piece;
        joined += piece + " ";
    }
    EXPECT_EQ(words, kMostWordsSaid);
    EXPECT_EQ(joined, long_text.substr(0, joined.size()));

    // A stop asked for before the first piece says nothing more.
    SpeechSound probe;
    if (synthesise("house", probe).failure == SpeechFailure::no_voice)
        GTEST_SKIP() << "the speech synthesiser's English voice (espeak-ng-data) is not installed";
    int asked = 0;
    const SpeechOutcome stopped = speak(long_text, [&] { return ++asked > 0; });
    if (stopped.failure != SpeechFailure::no_sound_device) {
        EXPECT_TRUE(stopped.stopped);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(stopped.words_left_out, 50u);
    }
    const SpeechOutcome written = synthesise(long_text, probe);
    EXPECT_TRUE(written.ok());
    EXPECT_EQ(written.words_left_out, 50u);
}

}  // namespace
}  // namespace vorna::speech
