// Synthesises the game's sound effects into WAV files (16-bit mono, 22050 Hz):
//   make_sounds OUTDIR
// Every effect is a short recipe of tones and noise below; nothing is recorded.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;

using Samples = std::vector<double>;

Samples Silence(double seconds) { return Samples(static_cast<std::size_t>(seconds * kRate), 0.0); }

// Adds src into dst starting at `at` seconds, growing dst as needed.
void Mix(Samples& dst, const Samples& src, double at, double gain = 1.0) {
  const auto start = static_cast<std::size_t>(at * kRate);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
  for (std::size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

// A bell-like tone: a few harmonics with exponential decay and a soft attack.
Samples Bell(double frequency, double seconds, double decay) {
  Samples out(static_cast<std::size_t>(seconds * kRate));
  const double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.01, 0.12}, {4.2, 0.05}};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0.0;
    for (const auto& p : partials) {
      v += p[1] * std::sin(2.0 * kPi * frequency * p[0] * t) * std::exp(-t * decay * p[0]);
    }
    const double attack = std::min(1.0, t / 0.004);
    out[i] = v * attack * 0.5;
  }
  return out;
}

// A soft sine tone with attack and release, for calm two-note signals.
Samples Tone(double frequency, double seconds, double release = 0.06) {
  Samples out(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double left = seconds - t;
    const double env = std::min({1.0, t / 0.01, left / release});
    out[i] = 0.45 * env * (std::sin(2.0 * kPi * frequency * t) +
                           0.2 * std::sin(4.0 * kPi * frequency * t));
  }
  return out;
}

// Filtered noise with a fast decay: the tap of a card on cloth.
Samples Tap(double seconds, double decay, double brightness, std::uint32_t seed) {
  Samples out(static_cast<std::size_t>(seconds * kRate));
  std::uint32_t state = seed;
  double low = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    const double white = (static_cast<double>(state >> 8) / 8388608.0) - 1.0;
    low += brightness * (white - low);
    const double t = static_cast<double>(i) / kRate;
    out[i] = low * std::exp(-t * decay) * std::min(1.0, t / 0.002);
  }
  return out;
}

// A buzz for a refused card: a low tone rich in odd harmonics.
Samples Buzz(double frequency, double seconds) {
  Samples out(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0.0;
    for (int k = 1; k <= 7; k += 2) v += std::sin(2.0 * kPi * frequency * k * t) / k;
    const double env = std::min({1.0, t / 0.01, (seconds - t) / 0.05});
    out[i] = 0.5 * v * env;
  }
  return out;
}

double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

Samples Arpeggio(const std::vector<int>& notes, double step, double ring, double decay) {
  Samples out;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    Mix(out, Bell(Note(notes[i]), ring, decay), step * static_cast<double>(i), 0.8);
  }
  return out;
}

struct Recipe {
  const char* name;
  std::function<Samples()> make;
};

const std::vector<Recipe>& Recipes() {
  static const std::vector<Recipe> recipes = {
      {"WHodsDo", [] { return Tap(0.09, 45.0, 0.35, 7u); }},
      {"WDing_1", [] { return Bell(Note(15), 0.45, 6.0); }},
      {"WVelPass",
       [] {
         Samples s = Tone(Note(10), 0.12);
         Mix(s, Tone(Note(7), 0.16), 0.11);
         return s;
       }},
      {"WPlMore", [] { return Arpeggio({3, 7, 10}, 0.08, 0.35, 7.0); }},
      {"WToMenK",
       [] {
         Samples s = Bell(Note(7), 0.3, 8.0);
         Mix(s, Bell(Note(12), 0.35, 7.0), 0.09);
         return s;
       }},
      {"WWrongs", [] { return Buzz(Note(-26), 0.22); }},
      {"WKoGutX", [] { return Arpeggio({3, 7, 10, 15}, 0.1, 0.5, 5.0); }},
      {"WKoBadX", [] { return Arpeggio({10, 6, 3, -2}, 0.14, 0.5, 5.0); }},
      {"WKoGood",
       [] {
         Samples s = Arpeggio({3, 7, 10, 15}, 0.12, 0.6, 4.0);
         Mix(s, Arpeggio({10, 15, 19}, 0.0, 1.0, 2.5), 0.55, 0.7);
         return s;
       }},
      {"WKoBads", [] { return Arpeggio({7, 5, 2, -1, -5}, 0.2, 0.7, 3.5); }},
      // The end of a cycle of 25 games: a fanfare for the best, a brighter run for a place in
      // the top ten, a falling phrase otherwise.
      {"WFiBest",
       [] {
         Samples s = Arpeggio({0, 4, 7, 12, 16, 19, 24}, 0.11, 0.9, 2.5);
         Mix(s, Bell(Note(24), 1.2, 2.0), 0.8, 0.6);
         return s;
       }},
      {"WFiGood",
       [] {
         Samples s = Arpeggio({0, 4, 7, 12}, 0.13, 0.8, 3.0);
         Mix(s, Bell(Note(16), 0.9, 3.0), 0.55, 0.5);
         return s;
       }},
      {"WFiBads", [] { return Arpeggio({12, 10, 7, 3, 0, -5}, 0.22, 0.9, 3.0); }},
      {"WOpenFo",
       [] {
         Samples s = Tap(0.12, 30.0, 0.15, 11u);
         Mix(s, Tone(Note(19), 0.08, 0.05), 0.0, 0.25);
         return s;
       }},
      {"WTasoKo",
       [] {
         // A short riffle: a run of card taps speeding up.
         Samples s = Silence(0.05);
         double at = 0.0;
         for (int i = 0; i < 9; ++i) {
           Mix(s, Tap(0.05, 70.0, 0.45, 100u + static_cast<std::uint32_t>(i)), at, 0.7);
           at += 0.045 - 0.002 * i;
         }
         return s;
       }},
  };
  return recipes;
}

void PutLe(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes beside the target and renames it into place.
bool WriteWav(const std::filesystem::path& path, const Samples& samples) {
  const std::filesystem::path temporary = path.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, kRate, 4);
    PutLe(out, kRate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    out.write("data", 4);
    PutLe(out, dataBytes, 4);
    double peak = 1e-9;
    for (const double v : samples) peak = std::max(peak, std::abs(v));
    const double gain = 0.7 / peak;
    for (const double v : samples) {
      const auto value = static_cast<std::int16_t>(std::lround(v * gain * 32767.0));
      PutLe(out, static_cast<std::uint16_t>(value), 2);
    }
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds OUTDIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (const Recipe& recipe : Recipes()) {
    if (!WriteWav(dir / (std::string(recipe.name) + ".wav"), recipe.make())) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", recipe.name);
      return 1;
    }
  }
  return 0;
}
