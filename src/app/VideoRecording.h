#pragma once

class CAppDoc;
class CTavroView;

// Record AVI: asks for the file and the codec, then records the transition between the
// document's initial and final postures of its current figure, as the active view shows it,
// with a progress dialog whose Cancel gives the recording up.
void RecordPostureTransitionVideo(CAppDoc& doc, CTavroView& view);
