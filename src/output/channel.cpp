// Text output channels.
#include "output/channel.h"

#include <unistd.h>

namespace tarvex {

void Put(Channel& ch, std::string_view text) {
    ch.line.append(text);
    ch.open = true;
}

void End(Channel& ch) {
    ch.line.push_back('\n');
    if (ch.f) std::fwrite(ch.line.data(), 1, ch.line.size(), ch.f);
    ch.line.clear();
    ch.open = false;
}

void Put_Line(Channel& ch, std::string_view text) {
    Put(ch, text);
    End(ch);
}

void Blank_Lines(Channel& ch, int n) {
    for (int i = 0; i < n; ++i) End(ch);
}

bool Open_Channel(Channel& ch, const char* path) {
    Close_Channel(ch);
    ch.f = std::fopen(path, "wb");
    ch.owned = ch.f != nullptr;
    return ch.f != nullptr;
}

void Attach_Channel(Channel& ch, std::FILE* f) {
    Close_Channel(ch);
    ch.f = f;
    ch.owned = false;
}

void Rewind_Channel(Channel& ch) {
    ch.line.clear();
    ch.open = false;
    if (!ch.f || !ch.owned) return;
    std::fflush(ch.f);
    if (ftruncate(fileno(ch.f), 0) != 0) return;
    std::rewind(ch.f);
}

void Close_Channel(Channel& ch) {
    if (ch.open) End(ch);
    if (ch.f && ch.owned) std::fclose(ch.f);
    else if (ch.f) std::fflush(ch.f);
    ch = Channel{};
}

}  // namespace tarvex
