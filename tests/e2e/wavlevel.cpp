// Reads a sound file through libsndfile and prints its length in seconds,
// then the RMS and peak level (full scale 1, all channels) of each span
// FROM:TO given in seconds, one line each: "seconds", "rms peak".
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [FROM:TO ...]\n", argv[0]);
        return 2;
    }
    SF_INFO info = {};
    SNDFILE* file = sf_open(argv[1], SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "%s: %s\n", argv[1], sf_strerror(0));
        return 1;
    }
    std::vector<float> samples(static_cast<size_t>(info.frames) * info.channels);
    const sf_count_t frames = sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    std::printf("%.3f\n", static_cast<double>(frames) / info.samplerate);
    for (int i = 2; i < argc; ++i) {
        double from = 0, to = 0;
        if (std::sscanf(argv[i], "%lf:%lf", &from, &to) != 2) {
            std::fprintf(stderr, "bad span %s\n", argv[i]);
            return 2;
        }
        sf_count_t first = static_cast<sf_count_t>(from * info.samplerate);
        sf_count_t last = static_cast<sf_count_t>(to * info.samplerate);
        first = first < 0 ? 0 : first > frames ? frames : first;
        last = last < first ? first : last > frames ? frames : last;
        double sum = 0, peak = 0;
        for (sf_count_t f = first; f < last; ++f)
            for (int c = 0; c < info.channels; ++c) {
                const double s = samples[static_cast<size_t>(f * info.channels + c)];
                sum += s * s;
                peak = std::fmax(peak, std::fabs(s));
            }
        const sf_count_t n = (last - first) * info.channels;
        std::printf("%.6f %.6f\n", n ? std::sqrt(sum / n) : 0.0, peak);
    }
    return 0;
}
