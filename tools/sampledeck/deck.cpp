// The sample deck's two exports (see settings/deckabi.h).
#include <cstring>

#include "deckabi.h"
#include "deckpictures.h"

namespace {
// Characters 39 and 40 carry the deck's number, as its file name does.
const char kName[] = "Слоновая кость: четыре цвета мастей, №05";
} // namespace

extern "C" {

__attribute__((visibility("default"))) const char* namecard(void) { return kName; }

__attribute__((visibility("default"))) const unsigned char* cardpicture(const char* name, unsigned long* size) {
    if (!name) return nullptr;
    for (int i = 0; i < sampledeck::kPictureCount; ++i) {
        const sampledeck::Picture& p = sampledeck::kPictures[i];
        if (std::strcmp(p.name, name) != 0) continue;
        if (size) *size = p.size;
        return reinterpret_cast<const unsigned char*>(p.bytes);
    }
    return nullptr;
}

}
