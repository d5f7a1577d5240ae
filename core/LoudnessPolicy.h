#pragma once

namespace marulo {

// How "Normalize" levels a file. Peak is the window's own E1 level; the other
// two bring what one hears to a loudness target (EBU R128), one file at a time
// or an album as a whole, with one linear gain that keeps the true peak at or
// below the ceiling. Gain is one fixed gain for every file, for a job of an
// album split over several runs (the album's gain, measured beforehand); no
// settings file chooses it.
enum class NormalizeMethod { Peak, Loudness, Album, Gain };

struct LoudnessPolicy {
    NormalizeMethod method = NormalizeMethod::Peak;
    double target = -16; // LUFS
    double ceiling = -1; // dBTP
    double gain = 0;     // dB, for Gain

    bool operator==(const LoudnessPolicy&) const = default;
};

// Whether a press measures its files as one album first: only files it would
// normalise count, so "Normalize" on and decoding off, as they stand at the press.
inline bool MeasuresAlbum(const LoudnessPolicy& policy, bool normalize, bool decode)
{
    return policy.method == NormalizeMethod::Album && normalize && !decode;
}

} // namespace marulo
