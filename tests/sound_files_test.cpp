// The generated sounds as the game will load them: every file there, readable,
// of a length and level the arena needs, none clipped, the loops without a
// click where they wrap, and the whole set small. Lengths and levels are
// measured in the decoded file and held to fixed figures, not to the table the
// generator writes them from.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

#include <cmath>
#include <string>
#include <vector>

#include "test_support.h"
#include "ui/sound_files.h"

namespace {

struct Loaded {
    SF_INFO info = {};
    std::vector<float> samples;
};

bool load(const std::string& path, Loaded& out)
{
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &out.info);
    if (!file)
        return false;
    out.samples.resize(static_cast<size_t>(out.info.frames) * out.info.channels);
    const sf_count_t read = sf_readf_float(file, out.samples.data(), out.info.frames);
    sf_close(file);
    return read == out.info.frames;
}

TEST(SoundFilesTest, EverySoundLoadsWithItsLengthAndLevelUnclipped)
{
    long bytes = 0;
    for (const SoundFile& sound : soundFiles) {
        SCOPED_TRACE(sound.name);
        const std::string path = std::string(runDirectory()) + "/" + SOUND_FOLDER + sound.name;
        Loaded wav;
        ASSERT_TRUE(load(path, wav)) << sf_strerror(0);
        EXPECT_EQ(1, wav.info.channels);
        EXPECT_EQ(SOUND_SAMPLE_RATE, wav.info.samplerate);
        EXPECT_EQ(SF_FORMAT_WAV | SF_FORMAT_PCM_16, wav.info.format);
        // An event's sound is over within a few seconds, so the events of a
        // busy play do not pile up; a loop is long enough not to drone.
        const double seconds = static_cast<double>(wav.info.frames) / wav.info.samplerate;
        EXPECT_GE(seconds, sound.loops ? 1.0 : 0.25);
        EXPECT_LE(seconds, sound.loops ? 5.0 : 3.0);

        double sum = 0;
        float peak = 0, largestStep = 0;
        int fullScale = 0;
        for (size_t i = 0; i < wav.samples.size(); ++i) {
            const float s = wav.samples[i];
            sum += s * s;
            peak = std::fmax(peak, std::fabs(s));
            fullScale += std::fabs(s) >= 32767.0f / 32768.0f;
            if (i > 0)
                largestStep = std::fmax(largestStep, std::fabs(s - wav.samples[i - 1]));
        }
        EXPECT_EQ(0, fullScale) << "clipped";
        // Loud enough to be heard over the crowd, with headroom below full scale.
        EXPECT_GE(peak, 0.45f);
        EXPECT_LE(peak, 0.96f);
        // Not a click in silence: sound through most of the file.
        const double rms = std::sqrt(sum / wav.samples.size());
        EXPECT_GT(rms, 0.05) << "hardly any sound";
        if (sound.loops) {
            const float wrap = std::fabs(wav.samples.front() - wav.samples.back());
            EXPECT_LE(wrap, largestStep) << "the loop clicks where it wraps";
            // A loop plays for minutes: no fade at either end.
            EXPECT_GT(rms, 0.1);
        }
        struct stat st;
        ASSERT_EQ(0, stat(path.c_str(), &st));
        bytes += st.st_size;
    }
    EXPECT_LT(bytes, 2L * 1024 * 1024);
    printf("sounds: %d files, %ld bytes\n", SOUND_COUNT, bytes);
}

} // namespace
