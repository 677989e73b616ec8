#pragma once
// What reading one model file gives, in the plain-text form used to compare
// this reader with others:
//   FILE: ok=1 objects=N materials=M      or   FILE: ok=0 error=missing|primary
//   object NAME vertices=V faces=F texcoords=T material=I textured=0|1   (one per object)

#include "model3ds/ModelData.h"

#include <string>
#include <vector>

struct ModelLoad {
    std::string name;                  // as shown in the report
    bool ok = false;
    std::string error;                 // "missing" or "primary" when not ok
    tModelData model = MakeEmptyModel();
    std::vector<std::string> notices;  // "Caption: text", in the order raised
    std::string damage;                // the reader's damage line, if it had one
};

// Reads the file with a reader of its own, keeping its notices and its
// damage line instead of showing them.
ModelLoad loadModel(const std::string& path, const std::string& name);

// The first line and the object lines.
std::vector<std::string> summaryLines(const ModelLoad& load);

// Further lines for modellers: notices, damage, materials, and per object its
// bounding box and which colour the game will draw it in.
std::vector<std::string> detailLines(const ModelLoad& load);
