#pragma once

#include "core/Vec3.h"

class CBodyPart;
class CMannequin;

// The two eyes of a HEAD mesh, in the head's own frame: its vertices 2 and 3. Returns 0
// (outputs unchanged) when the mesh has fewer vertices.
int EyeVertices(const CBodyPart& head, Vec3& first, Vec3& second);

// The eye view's camera for a figure, in scene coordinates (inches): the midpoint of the two
// eyes, a point ahead of it looking 10 degrees down, and a point above it. Returns 0 (outputs
// unchanged) when the head has no eye vertices.
int EyePoints(const CMannequin& figure, Vec3& eye, Vec3& target, Vec3& up);
