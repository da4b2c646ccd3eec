#include "MidiFileCheck.h"
#include "RiffCheck.h"
#include "mediagen/AviWriter.h"
#include "mediagen/DemoAlbum.h"
#include "mediagen/DemoMedia.h"
#include "mediagen/ToneSynth.h"
#include "mediagen/WaveWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

using namespace mediagen;
using namespace mediagen::testing;

namespace {

double rms(const PcmAudio& audio)
{
    double sum = 0;
    for (auto s : audio.samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(audio.samples.size())) / 32768.0;
}

void expectValidWave(const std::vector<std::uint8_t>& bytes, int rate, int channels, std::size_t samples)
{
    const RiffChunk riff = parseRiff(bytes);
    EXPECT_EQ(riff.form, "WAVE");
    const RiffChunk* fmt = findChunk(riff, "fmt ");
    const RiffChunk* data = findChunk(riff, "data");
    ASSERT_TRUE(fmt && data);
    ASSERT_EQ(fmt->size, 16u);
    const std::size_t f = fmt->offset + 8;
    EXPECT_EQ(le16(bytes, f), 1);
    EXPECT_EQ(le16(bytes, f + 2), channels);
    EXPECT_EQ(le32(bytes, f + 4), static_cast<std::uint32_t>(rate));
    EXPECT_EQ(le32(bytes, f + 8), static_cast<std::uint32_t>(rate * channels * 2));
    EXPECT_EQ(le16(bytes, f + 12), channels * 2);
    EXPECT_EQ(le16(bytes, f + 14), 16);
    EXPECT_EQ(data->size, samples * 2);
}

// Checks the AVI's headers against the clip and every index entry against the chunk it points to.
void expectValidAvi(const std::vector<std::uint8_t>& bytes, const VideoClip& clip)
{
    const RiffChunk riff = parseRiff(bytes);
    EXPECT_EQ(riff.form, "AVI ");
    const RiffChunk* hdrl = findChunk(riff, "LIST", "hdrl");
    const RiffChunk* movi = findChunk(riff, "LIST", "movi");
    const RiffChunk* idx1 = findChunk(riff, "idx1");
    ASSERT_TRUE(hdrl && movi && idx1);
    const RiffChunk* avih = findChunk(*hdrl, "avih");
    ASSERT_TRUE(avih);
    ASSERT_EQ(avih->size, 56u);
    const std::size_t h = avih->offset + 8;
    EXPECT_EQ(le32(bytes, h), 1000000u / static_cast<std::uint32_t>(clip.fps));
    EXPECT_EQ(le32(bytes, h + 16), clip.frames.size());
    EXPECT_EQ(le32(bytes, h + 24), clip.audio.samples.empty() ? 1u : 2u);
    EXPECT_EQ(le32(bytes, h + 32), static_cast<std::uint32_t>(clip.width));
    EXPECT_EQ(le32(bytes, h + 36), static_cast<std::uint32_t>(clip.height));

    std::vector<const RiffChunk*> streams;
    for (const RiffChunk& c : hdrl->children)
        if (c.id == "LIST" && c.form == "strl")
            streams.push_back(&c);
    ASSERT_EQ(streams.size(), clip.audio.samples.empty() ? 1u : 2u);
    const RiffChunk* vstrh = findChunk(*streams[0], "strh");
    const RiffChunk* vstrf = findChunk(*streams[0], "strf");
    ASSERT_TRUE(vstrh && vstrf);
    EXPECT_EQ(vstrh->size, 56u);
    EXPECT_EQ(std::string(bytes.begin() + static_cast<long>(vstrh->offset + 8), bytes.begin() + static_cast<long>(vstrh->offset + 12)), "vids");
    EXPECT_EQ(le32(bytes, vstrh->offset + 8 + 24), static_cast<std::uint32_t>(clip.fps));  // rate
    EXPECT_EQ(le32(bytes, vstrh->offset + 8 + 32), clip.frames.size());                  // length
    EXPECT_EQ(le32(bytes, vstrf->offset + 8), 40u);
    EXPECT_EQ(le16(bytes, vstrf->offset + 8 + 14), 24);

    std::uint32_t audioBytes = 0;
    std::size_t videoChunks = 0;
    const std::size_t moviBase = movi->offset + 8;
    ASSERT_EQ(idx1->size % 16, 0u);
    const std::size_t entries = idx1->size / 16;
    EXPECT_EQ(entries, movi->children.size());
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t e = idx1->offset + 8 + i * 16;
        const std::string id(bytes.begin() + static_cast<long>(e), bytes.begin() + static_cast<long>(e + 4));
        const std::size_t target = moviBase + le32(bytes, e + 8);
        ASSERT_EQ(target, movi->children[i].offset) << "index entry " << i;
        EXPECT_EQ(id, movi->children[i].id);
        EXPECT_EQ(le32(bytes, e + 12), movi->children[i].size);
        if (id == "00db") {
            ++videoChunks;
            EXPECT_EQ(movi->children[i].size, clip.frameBytes());
        } else if (id == "01wb") {
            audioBytes += movi->children[i].size;
        } else {
            ADD_FAILURE() << "unexpected chunk " << id;
        }
    }
    EXPECT_EQ(videoChunks, clip.frames.size());
    EXPECT_EQ(audioBytes, clip.audio.samples.size() * 2);
}

}  // namespace

TEST(MediaFiles, WaveHeadersDescribeTheData)
{
    struct Case {
        int rate;
        int channels;
        std::size_t frames;
    };
    for (const Case& c : {Case{22050, 1, 22050}, Case{44100, 2, 3}, Case{8000, 1, 1}, Case{11025, 2, 0}}) {
        PcmAudio audio;
        audio.sampleRate = c.rate;
        audio.channels = c.channels;
        audio.samples.assign(c.frames * static_cast<std::size_t>(c.channels), 1000);
        SCOPED_TRACE(c.rate);
        expectValidWave(WaveWriter::bytes(audio), c.rate, c.channels, audio.samples.size());
    }
    PcmAudio torn;
    torn.channels = 2;
    torn.samples = {1, 2, 3};
    EXPECT_THROW(WaveWriter::bytes(torn), std::invalid_argument);
    PcmAudio many;
    many.channels = 3;
    EXPECT_THROW(WaveWriter::bytes(many), std::invalid_argument);
}

TEST(MediaFiles, AviIndexAndHeadersMatchTheClip)
{
    for (double seconds : {0.1, 1.0, 2.3}) {
        SCOPED_TRACE(seconds);
        const VideoClip clip = colourBarsClip(80, 60, 10, seconds, 440.0);
        expectValidAvi(AviWriter::bytes(clip), clip);
    }
    VideoClip silent = colourBarsClip(40, 20, 5, 1.0, 440.0);
    silent.audio.samples.clear();
    expectValidAvi(AviWriter::bytes(silent), silent);
}

TEST(MediaFiles, AviRefusesPicturesItCannotDescribe)
{
    VideoClip clip = colourBarsClip(80, 60, 10, 0.5, 440.0);
    VideoClip oddWidth = clip;
    oddWidth.width = 78;
    EXPECT_THROW(AviWriter::bytes(oddWidth), std::invalid_argument);
    VideoClip shortFrame = clip;
    shortFrame.frames[2].pop_back();
    EXPECT_THROW(AviWriter::bytes(shortFrame), std::invalid_argument);
    VideoClip empty = clip;
    empty.frames.clear();
    EXPECT_THROW(AviWriter::bytes(empty), std::invalid_argument);
}

TEST(MediaFiles, SynthesizedAudioHasTheAskedLevelAndLength)
{
    const PcmAudio tone = testTone(1.0, 440.0);
    EXPECT_EQ(tone.samples.size(), 22050u);
    EXPECT_NEAR(rms(tone), 0.5 / std::sqrt(2.0), 0.01);

    ToneSynth loud(8000, 0.5);
    loud.sine(0, 0.5, 100, 0.9);
    loud.sine(0, 0.5, 100, 0.9);  // twice full scale: clipped, never wrapped round
    const PcmAudio clipped = loud.render();
    int peak = 0;
    for (auto s : clipped.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_EQ(peak, 32767);
    EXPECT_GT(rms(clipped), 0.8);

    const PcmAudio chimes = chimesAudio();
    EXPECT_NEAR(static_cast<double>(chimes.frames()) / chimes.sampleRate, 4.0, 0.01);
    EXPECT_GT(rms(chimes), 0.02);
}

TEST(MediaFiles, EveryGeneratedFileIsValid)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<std::string> written = writeAll(dir.path().toStdString());
    EXPECT_GE(written.size(), 10u);
    int midi = 0, wave = 0, avi = 0, albums = 0;
    for (const std::string& path : written) {
        SCOPED_TRACE(path);
        const std::vector<std::uint8_t> bytes = readBytes(path);
        const std::string ext = path.substr(path.size() - 4);
        if (ext == ".alb") {
            // The demo album lists songs that were written beside it.
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), demoAlbumText());
            for (std::string song : demoAlbumSongs()) {
                std::replace(song.begin(), song.end(), '\\', '/');
                EXPECT_NE(std::find(written.begin(), written.end(), dir.path().toStdString() + "/" + song),
                          written.end())
                    << song;
            }
            ++albums;
        } else if (ext == ".mid") {
            EXPECT_NO_THROW(parseMidi(bytes));
            ++midi;
        } else {
            const RiffChunk riff = parseRiff(bytes);
            EXPECT_EQ(riff.form, ext == ".wav" ? "WAVE" : "AVI ");
            ext == ".wav" ? ++wave : ++avi;
        }
    }
    EXPECT_GE(midi, 5);
    EXPECT_GE(wave, 2);
    EXPECT_GE(avi, 2);
    EXPECT_EQ(albums, 1);
    EXPECT_THROW(writeAll("/proc/no/such/dir"), std::exception);
}

TEST(MediaFiles, BuildPutTheMediaBesideTheProgram)
{
    const char* data = std::getenv("VANTOR_TEST_DATA");
    if (!data)
        GTEST_SKIP() << "run through ctest";
    const std::string dir(data);
    for (const char* name : {"/reset.mid", "/demo/minuet.mid", "/testdata/song2s.mid"})
        EXPECT_NO_THROW(parseMidi(readBytes(dir + name))) << name;
    for (const char* name : {"/demo/chimes.wav", "/testdata/tone1s.wav", "/demo/colours.avi", "/testdata/clip1s.avi"})
        EXPECT_NO_THROW(parseRiff(readBytes(dir + name))) << name;
}
