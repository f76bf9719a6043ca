#pragma once

// Lighting of shaded frames in the natural colour scheme: a key light from the upper left in
// front of the viewer and a dimmer fill light from the right, both moving with the viewer, with
// an ambient share that keeps faces turned from both lights from going black. Light 0 is the
// key, light 1 the fill; the directions are in eye coordinates (x right, y up, z to the viewer).
inline constexpr float kKeyLightDirection[4] = {-0.5f, 0.65f, 0.75f, 0.0f};
inline constexpr float kKeyLightDiffuse = 0.72f;
inline constexpr float kFillLightDirection[4] = {0.85f, -0.05f, 0.5f, 0.0f};
inline constexpr float kFillLightDiffuse = 0.3f;
// With OpenGL's global ambient of 0.2 the lights add this much, so that every face receives
// 0.3 of its colour.
inline constexpr float kKeyLightAmbient = 0.1f;

// Sets up and enables both lights; the model-view matrix must hold the camera.
void SetSoftLighting();

// Points lights 0 and 1 along the given eye-coordinate directions and turns lighting on with
// both, for whichever colours the caller gave them.
void PlaceAndEnableTwoLights(const float keyDirection[4], const float fillDirection[4]);
