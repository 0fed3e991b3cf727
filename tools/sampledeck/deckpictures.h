#pragma once
// The sample deck's pictures, written by talvern-sampledeck-gen.
namespace sampledeck {

struct Picture {
    const char* name;   // "AH0", "2H4" ...
    const char* bytes;  // encoded PNG
    unsigned long size;
};

extern const Picture kPictures[];
extern const int kPictureCount;

} // namespace sampledeck
