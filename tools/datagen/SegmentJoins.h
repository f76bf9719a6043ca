#pragma once

#include "MeshBuilder.h"

// Smooths the join of two upright segments that meet at a joint and overlap across it: `lower`
// ends above the joint, `upper` below it (both built upright, their rings horizontal). Over
// `blend` cm below the joint (none when 0) the lower surface turns into the upper one's
// cross-section at the joint, so that standing shows no step. The ends that reach across the
// joint are drawn in within a half-ellipsoid round the joint, a little inside the narrower of
// the two sections there, so that bending either way turns them inside the other segment
// instead of through its surface. Only widths change, never heights: beyond the joint they are
// only ever reduced.
void JoinAtJoint(SurfaceMesh& lower, SurfaceMesh& upper, const Vec3& joint, double blend);
