// Writes a random joystick script for pultara-sim: random settings of every
// kind of binding (axis actions, button commands plain, repeating, with
// mouse clicks and program starts, mode switch buttons, global mouse
// buttons), the user showing and hiding the window and ticking boxes, and
// readings that linger at and around the edges where axis actions start or
// stop. The same seed always gives the same script.
//
//   random_script SEED TICKS > FILE
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A small fixed generator, so the scripts do not depend on the standard
// library's distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 2 + 1) {}
    std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }
    bool OneIn(std::uint32_t n) { return Below(n) == 0; }

private:
    std::uint64_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    std::uint64_t state_;
};

// Positions where something starts or stops: the arrow keys' ends, the
// pointer's dead zone at the default speed, the guard value, the centre.
constexpr std::uint32_t kEdges[] = {0,     666,   19999, 20000, 32768, 31784, 31785,
                                    33751, 33752, 40000, 40001, 65535, 1000,  1001};

std::uint32_t Position(Random& random) {
    if (random.OneIn(3)) {
        return 32768;
    }
    if (random.OneIn(2)) {
        return kEdges[random.Below(sizeof kEdges / sizeof kEdges[0])];
    }
    return random.Below(65536);
}

std::uint32_t Buttons(Random& random) {
    if (!random.OneIn(4)) {
        return 0;
    }
    return random.OneIn(2) ? 1U << random.Below(12) : random.Below(1U << 12);
}

const char* const kCommands[] = {"a", "#b", "#{RIGHT}", "{MCL}x",  "#{MCR}", "!true",
                                 "",  "#",  "{F5}",     "%{LEFT}", "+c",     "{MCM}"};

void Setting(Random& random) {
    const int mode = static_cast<int>(random.Below(4)) + 1;
    switch (random.Below(6)) {
        case 0:
            std::printf("select ComboBox%u %d\n", random.Below(3) + 1,
                        static_cast<int>(random.Below(16)) - 1);
            break;
        case 1:
            std::printf("set EditM%db%u \"%s\"\n", mode, random.Below(12) + 1,
                        kCommands[random.Below(sizeof kCommands / sizeof kCommands[0])]);
            break;
        case 2: std::printf("select ComboBoxM%d %u\n", mode, random.Below(13)); break;
        case 3: {
            const char* const lists[] = {"ComboBoxMausL", "ComboBoxMausM", "ComboBoxMausR"};
            std::printf("select %s %u\n", lists[random.Below(3)], random.Below(13));
            break;
        }
        case 4:
            std::printf("set ComboBoxEditM%dtitel \"%s\"\n", mode,
                        random.OneIn(2) ? "Player" : "Terminal");
            break;
        default:
            std::printf("set EditM%dkommando \"%s\"\n", mode, random.OneIn(2) ? "true" : "");
            break;
    }
}

void UserAction(Random& random) {
    switch (random.Below(6)) {
        case 0: std::printf("tray left\n"); break;
        case 1: std::printf("click ButtonStart\n"); break;
        case 2: std::printf("click CheckBox%u\n", random.Below(12) + 1); break;
        case 3: std::printf("%s\n", random.OneIn(2) ? "minimise" : "restore"); break;
        case 4: std::printf("wait %u\n", random.Below(300)); break;
        default: std::printf("tray right\n"); break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: random_script SEED TICKS\n");
        return 2;
    }
    Random random(std::strtoull(argv[1], nullptr, 10));
    const long total = std::strtol(argv[2], nullptr, 10);
    // Every mode has its window and commands on most buttons; then a few
    // random settings of every kind.
    for (int mode = 1; mode <= 4; ++mode) {
        std::printf("set ComboBoxEditM%dtitel \"%s\"\n", mode,
                    mode == 4 ? "Missing" : (mode % 2 == 1 ? "Player" : "Terminal"));
        for (int button = 1; button <= 12; ++button) {
            std::printf("set EditM%db%d \"%s\"\n", mode, button,
                        kCommands[random.Below(sizeof kCommands / sizeof kCommands[0])]);
        }
    }
    for (int i = 0; i < 12; ++i) {
        Setting(random);
    }
    std::uint32_t x = 32768;
    std::uint32_t y = 32768;
    std::uint32_t z = 32768;
    std::uint32_t buttons = 0;
    for (long ticks = 0; ticks < total;) {
        if (random.OneIn(15)) {
            Setting(random);
        }
        if (random.OneIn(60)) {
            UserAction(random);
        }
        // Mostly one axis or the buttons change at a time, as with a real
        // stick; a reading often lasts a while.
        switch (random.Below(5)) {
            case 0: x = Position(random); break;
            case 1: y = Position(random); break;
            case 2: z = Position(random); break;
            case 3: buttons = Buttons(random); break;
            default: break;
        }
        const std::uint32_t count = random.OneIn(3) ? random.Below(400) + 1 : random.Below(8) + 1;
        std::printf("%u %u %u %u x%u\n", x, y, z, buttons, count);
        ticks += count;
    }
    return 0;
}
