#pragma once
// What was wrong with a model file that still loaded.  The reader gathers
// it while it reads and repairs, and tells it afterwards as one line.

#include <string>

struct tModelDamage {
    bool cutShort = false;         // the file ends before its chunks do
    bool chunkOverrun = false;     // a chunk claims more than its parent has left
    bool chunkTooShort = false;    // a chunk's length is smaller than its header
    bool strayBytes = false;       // bytes at the end of a chunk too few for a header
    bool nestedTooDeep = false;    // chunks past the nesting limit were skipped
    bool recordsZeroFilled = false;  // a vertex or texture-coordinate list is short of its count
    bool countClipped = false;     // a list's count was cut to the records it holds
    int facesDropped = 0;          // faces that named a vertex the object lacks
    bool texCoordsPadded = false;  // fewer texture coordinates than vertices
};

// What went wrong, the parts joined by "; "; empty when nothing did.
std::string DescribeDamage(const tModelDamage& damage);
