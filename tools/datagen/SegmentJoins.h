#pragma once

#include "MeshBuilder.h"

// Smooths the join of two upright segments that meet at a joint and overlap across it: `lower`
// ends above the joint, `upper` below it (both built upright, their rings horizontal). Over
// `blend` cm (none when 0) ending just below the joint the lower surface turns into the upper
// one's cross-section and then runs just inside it up to the joint, so that standing shows no
// step. The ends that reach across are drawn in within a half-ellipsoid, a little inside the
// narrower of the two sections where they meet, so that bending either way turns them inside
// the other segment instead of through its surface. Only widths change, never heights: beyond
// the joint they are only ever reduced.
//
// Where the upper segment's turning would uncover the lower one's end rather than push it out
// (the neck turning on the chest), the lower end can instead run on as a sleeve just inside the
// upper surface up to its end: it then shows as a soft rise behind a bent neck, not a notch.
enum class LowerEnd { Tucked, Sleeve };
void JoinAtJoint(SurfaceMesh& lower, SurfaceMesh& upper, const Vec3& joint, double blend,
                 LowerEnd lowerEnd = LowerEnd::Tucked);
