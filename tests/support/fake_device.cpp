#include "support/fake_device.hpp"

namespace game::fake {

Device dev;

void reset(std::uint32_t startTick) {
    dev = Device{};
    dev.tick = startTick;
}

void pressKey(int code) {
    std::uint8_t& key = dev.keys[static_cast<std::size_t>(code)];
    const int strokes = (key & 0x7F) < 0x7F ? (key & 0x7F) + 1 : 0x7F;
    key = static_cast<std::uint8_t>(0x80 | strokes);
}
void releaseKey(int code) {
    dev.keys[static_cast<std::size_t>(code)] = 0;
}

void moveMouse(std::int32_t dx, std::int32_t dy) {
    if (dx != 0) {
        dev.mouseEvents.push_back({device::MouseEvent::Kind::MoveX, dx, 0});
    }
    if (dy != 0) {
        dev.mouseEvents.push_back({device::MouseEvent::Kind::MoveY, dy, 0});
    }
}

void pressButton(std::int32_t button) {
    dev.mouseEvents.push_back({device::MouseEvent::Kind::Button, 1, button});
}

void releaseButton(std::int32_t button) {
    dev.mouseEvents.push_back({device::MouseEvent::Kind::Button, 0, button});
}

} // namespace game::fake

namespace game::device {

std::uint32_t tickCount() {
    return fake::dev.tick;
}
// The fake start is its clock: a run replays exactly from its start tick.
std::uint32_t startSeed() {
    return fake::dev.tick;
}

void sleepMs(std::uint32_t ms) {
    fake::dev.tick += ms;
    fake::dev.sleptMs += ms;
    if (fake::dev.onSleep) {
        fake::dev.onSleep();
    }
}

std::string programFolder() {
    return {};
}

std::string preferenceFolder() {
    return fake::dev.preferenceFolder;
}

bool readKeys(KeySnapshot& keys) {
    if (!fake::dev.active) {
        return false;
    }
    keys = fake::dev.keys;
    for (std::uint8_t& key : fake::dev.keys) {
        key &= 0x80; // the strokes are counted afresh for the next read
    }
    return true;
}

bool readMouseEvents(std::vector<MouseEvent>& events) {
    if (!fake::dev.active) {
        fake::dev.mouseEvents.clear();
        return false;
    }
    events.swap(fake::dev.mouseEvents);
    fake::dev.mouseEvents.clear();
    return true;
}

bool closeRequested() {
    return fake::dev.closeRequested;
}

bool startVideo() {
    fake::dev.videoStarted = true;
    return true;
}

std::string videoProblem() {
    return "the test asked for a failure";
}

void stopVideo() {
    fake::dev.videoStarted = false;
}

bool openWindow(const char*, int, int) {
    fake::dev.windowOpen = true;
    return true;
}

void present(const std::uint32_t*, int, int, const std::vector<PixelRect>&) {
    fake::dev.presents += 1;
}

void pumpEvents() {}
bool windowActive() {
    return fake::dev.windowOpen && fake::dev.active;
}
void closeWindow() {
    fake::dev.windowOpen = false;
}

bool displayLost() {
    const bool lost = fake::dev.displayLost;
    fake::dev.displayLost = false;
    return lost;
}

bool openAudio() {
    fake::dev.audioOpen = !fake::dev.audioOpenFails;
    return fake::dev.audioOpen;
}

void closeAudio() {
    fake::dev.audioOpen = false;
}

std::int32_t createSound(const PcmFormat& format, const std::uint8_t*, std::size_t bytes) {
    if (!fake::dev.audioOpen || bytes == 0 || (format.bits != 8 && format.bits != 16) ||
        (format.channels != 1 && format.channels != 2) || format.rate <= 0) {
        return 0;
    }
    return ++fake::dev.soundsCreated;
}

void destroySound(std::int32_t) {}

void startSound(std::int32_t sound, std::int32_t channel, bool, float gain) {
    if (sound != 0) {
        fake::dev.played.push_back({channel, gain});
    }
}

} // namespace game::device
