#pragma once
// Whole 3DS files.

#include "devlibs/chunk_writer/ChunkWriter.h"

// A file with a bit of everything the reader knows and some that it skips:
// version, mesh version, two materials (one textured), a textured mesh
// object, a plain one, a camera and keyframes.
ChunkWriter sampleModel();

// A flat grid of about faceCount triangles, split into objects of at most
// 31,000 faces (a 125 x 124 grid of quads each), for load benchmarks.
ChunkWriter gridModel(int faceCount);
