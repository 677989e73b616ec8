#include "pieces/PieceTransform.h"

#include <GL/gl.h>

void PieceTransform::setTranslation(float x, float y, float z)
{
    translation[0] = x;
    translation[1] = y;
    translation[2] = z;
}

void PieceTransform::setScale(float s)
{
    scale[0] = scale[1] = scale[2] = s;
}

void PieceTransform::setRotation(float x, float y, float z)
{
    rotation[0] = x;
    rotation[1] = y;
    rotation[2] = z;
}

void applyTransform(const PieceTransform& transform)
{
    glTranslatef(transform.translation[0], transform.translation[1], transform.translation[2]);
    glScalef(transform.scale[0], transform.scale[1], transform.scale[2]);
    glRotatef(transform.rotation[0], 1, 0, 0);
    glRotatef(transform.rotation[1], 0, 1, 0);
    glRotatef(transform.rotation[2], 0, 0, 1);
}

void undoTransform(const PieceTransform& transform)
{
    glRotatef(-transform.rotation[2], 0, 0, 1);
    glRotatef(-transform.rotation[1], 0, 1, 0);
    glRotatef(-transform.rotation[0], 1, 0, 0);
    glScalef(1 / transform.scale[0], 1 / transform.scale[1], 1 / transform.scale[2]);
    glTranslatef(-transform.translation[0], -transform.translation[1], -transform.translation[2]);
}
