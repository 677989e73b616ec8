#pragma once
// Where a piece stands: applied before drawing its model and undone right
// after, so the scene never needs to push or pop the matrix.

struct PieceTransform {
    float translation[3] = {0, 0, 0};
    float scale[3] = {0, 0, 0};
    float rotation[3] = {0, 0, 0};  // degrees about x, y and z

    void setTranslation(float x, float y, float z);
    void setScale(float s);  // uniform: the only kind a piece uses
    void setRotation(float x, float y, float z);
};

// Multiplies the placement onto the current matrix: the model is turned
// about z, then y, then x, then scaled, then moved.
void applyTransform(const PieceTransform& transform);

// Multiplies the exact inverse of applyTransform onto the current matrix.
void undoTransform(const PieceTransform& transform);
