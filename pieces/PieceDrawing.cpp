#include "pieces/PieceDrawing.h"

#include <GL/gl.h>

// ---- Placement -------------------------------------------------------------

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

// ---- Drawing a model -------------------------------------------------------

namespace {

// The colour the piece asks for, set before each object.
struct PieceColor {
    std::uint8_t r, g, b, a;
    bool withAlpha;

    void apply() const
    {
        if (withAlpha)
            glColor4ub(r, g, b, a);
        else
            glColor3ub(r, g, b);
    }

    bool translucent() const { return withAlpha && a < 255; }
};

const tMaterialInfo* usableMaterial(const tModelData& model, const t3DObject& object)
{
    if (object.materialIndex < 0 || object.materialIndex >= static_cast<int>(model.materials.size()))
        return nullptr;
    return &model.materials[static_cast<std::size_t>(object.materialIndex)];
}

void drawObject(const tModelData& model, const t3DObject& object)
{
    const tMaterialInfo* material = object.textured ? nullptr : usableMaterial(model, object);
    const bool texCoords = object.textured && object.texCoords != nullptr;
    glBegin(GL_TRIANGLES);
    for (int face = 0; face < object.faceCount; ++face) {
        for (int corner = 0; corner < 3; ++corner) {
            const int v = object.faces[face].vertexIndex[corner];
            glNormal3f(object.normals[v].x, object.normals[v].y, object.normals[v].z);
            if (texCoords) {
                glColor3f(1, 1, 1);
                glTexCoord2f(object.texCoords[v].u, object.texCoords[v].v);
            } else if (material != nullptr) {
                glColor3ub(material->color[0], material->color[1], material->color[2]);
            }
            glVertex3f(object.vertices[v].x, object.vertices[v].y, object.vertices[v].z);
        }
    }
    glEnd();
}

void drawModel(const tModelData& model, const PieceColor& color, bool blend, bool keepCurrentColor)
{
    if (blend) {
        // Only a translucent piece colour needs blending: every other colour
        // that reaches the pixels is opaque (the piece's, the materials', the
        // white of textured objects), and blending an opaque colour leaves it
        // as it is, at the cost of reading every pixel it covers.
        if (keepCurrentColor || color.translucent())
            glEnable(GL_BLEND);
        else
            glDisable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(1, 1, 1, 0.5f);
    }
    for (int i = 0; i < model.objectCount; ++i) {
        if (!keepCurrentColor) {
            glDisable(GL_TEXTURE_2D);
            color.apply();
        }
        drawObject(model, model.objects[static_cast<std::size_t>(i)]);
    }
    if (blend)
        glDisable(GL_BLEND);
}

}  // namespace

void drawModelRGBA(const tModelData& model, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   std::uint8_t a, bool blend, bool keepCurrentColor)
{
    drawModel(model, PieceColor{r, g, b, a, true}, blend, keepCurrentColor);
}

void drawModelRGB(const tModelData& model, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                  bool blend, bool keepCurrentColor)
{
    drawModel(model, PieceColor{r, g, b, 255, false}, blend, keepCurrentColor);
}
