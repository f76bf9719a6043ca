#pragma once

class CSceneObject;

// The drawing rule shared by drawing objects: white in the filling pass of hidden-surface
// rendering, the selection colour when selected, else the object's own colour (also set as the
// front ambient and diffuse material); the object's id as pick name; its transform pushed on
// the model-view stack. Every BeginObjectDrawing is closed by EndObjectDrawing.
void BeginObjectDrawing(const CSceneObject& object, bool whiteFill, int selectedColour);
void EndObjectDrawing();

// Selection colours (packed RGB).
inline constexpr int kSelectedPolyfaceColour = 0x009B9B;  // red 155, green 155
inline constexpr int kSelectedLineColour = 0x9B9BFF;      // red 255, green 155, blue 155
inline constexpr int kSelectedDimensionColour = 0xFF00FF; // red 255, blue 255

struct Vec3;

// Multiplies the model-view matrix by a rotation that turns +Z onto `direction` (nothing for a
// zero direction).
void GLAlignZWith(const Vec3& direction);
// A closed cone along +Z, base at z = 0 and tip at z = height (the GLUT solid cone's shape).
void GLSolidCone(double baseRadius, double height, int slices);
