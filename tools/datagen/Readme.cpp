#include "Readme.h"

#include "Format.h"

namespace {

const char* const kIntro = R"md(# Body data files

Every file in this directory is written by `tools/datagen` (`tavrona-datagen data`) from the
source tables in `tools/datagen/sources/` (copied from the project's compiled anthropometry
sources, each row with its citation). Running the generator twice gives identical bytes, and a
test checks that the committed files equal its output: edit the generator or the sources, never
these files. Below, **sourced** means taken from a cited table, **derived** means computed from
sourced numbers in the stated way, **estimated** means a value chosen by us where the sources
hold nothing.

## At a glance

| files | sourced | derived | estimated |
|---|---|---|---|
| usa2.dat, usa3.dat | ANSUR 1988 percentiles of stature, weight and 17 body measures | scale vectors from those measures; stature chain fitted to stature | - |
| british, japan, schina (2, 3) | CityU stature median and SD; NCD-RisC BMI | weight = BMI x stature^2, spread like ANSUR; scales | - |
| germany, france, poland, indian, swiss (2, 3) | NCD-RisC mean stature and BMI | SD from ANSUR's CV; weights; scales | - |
| neurope2.dat, neurope3.dat | NCD-RisC means of five countries; Dutch SD and weight percentiles | their combination; scales | - |
| nasa2.dat, nasa3.dat | ISS limit statures (95 % American man, 5 % Japanese woman) | medians and SDs from CVs; weights; scales | - |
| mch2_35.dat ... mc115125.dat | CDC 2000 LMS of boys' stature and weight | 2.5 / 97.5 % rows; breadths | head size |
| antro1.dat | Zatsiorsky-Seluyanov male regressions; Harless densities | CHEST = upper + middle trunk; NECK share | trunk density |
| limit.dat | Merck, Kurz, MoBL-ARMS, Rajagopal, MyoTorso ranges | cervical split; forearm pronation span | shoulder adduction |
| walk.dat | OpenSim normal gait and subject01 arm swing | sign conversion, left side, frame order | - |
| perpost.dat, perpost_names.txt, lhand.dat, rhand.dat | - | - | all angles (within limit.dat) |
| usa_m*.per, usa_f*.per | reference segment sizes; ANSUR landmark heights, breadths and seated measures; de Leva mass centres | - | shapes; joint placements listed below |
| footprn2.dat | - | fitted to the feet by the program | outline |

## Sources

- ANSUR 1988: Gordon CC et al. (1989) *1988 Anthropometric Survey of U.S. Army Personnel*,
  NATICK/TR-89/044; percentiles computed from the public working data (`populations.csv`).
- ANSUR II 2012 women: Gordon CC et al. (2014), NATICK/TR-15/007 (`populations.csv`).
- NCD-RisC (2016) adult height, *eLife* 5:e13410; NCD-RisC (2017) BMI, *Lancet* 390:2627.
- City University of Hong Kong "Online Anthropometry" tables (Hong Kong, British 19-65,
  Japanese adults; secondary).
- Dutch growth references at 21 years: Schönbeck et al. (2011), Fredriks et al. (2000).
- NASA-STD-3000 / ISS design limits (secondary, from a public analysis script).
- CDC 2000 growth charts: Kuczmarski RJ et al. (2002), LMS tables `statage`, `wtage`.
- de Leva P (1996) *J Biomech* 29:1223, Table 4 (segment fractions, centres of mass, radii).
- Zatsiorsky VM (2002) *Kinetics of Human Motion*, Table A2.6 (male regressions).
- Harless E (1860) segment densities (via Clauser 1969).
- Merck Manual, "Normal Values for Range of Motion of Joints"; Kurz T, *Stretching
  Scientifically* (neck, lumbar spine); open musculoskeletal models Rajagopal (2016), MoBL-ARMS
  (Saul 2015), MyoTorso (lumbar spine model).
- OpenSim example gait data `normal.mot` (gait2392 tutorial) and the gait2392 example subject01.
)md";

const char* const kLimits = R"md(
## limit.dat (joint limits)

46 records of two lines (upper x y z, lower x y z), degrees. Signs follow the program's motion
names: trunk, neck and head flex with +x, twist left with +y, bend right with +z; left limbs
flex with -x, rotate externally with +y and abduct with +z, right limbs mirror y and z; knees
flex with +x.

| joint | source | derived / estimated |
|---|---|---|
| lower back (CHEST) | Kurz: flexion 75, extension 30, lateral bending 35; MyoTorso axial rotation 45 | - |
| neck (NECK) and head (HEAD) | Kurz cervical: flexion 90, extension 55, bending 35, rotation 70 | **derived**: the cervical range is split evenly between the two joints |
| pelvis (ABDOMEN, trunk over both hips) | Merck hip: flexion 125, hyperextension 15, rotation 45, ab/adduction 45 | - |
| shoulder | MoBL-ARMS elevation 180 (flexion and abduction); Merck extension 50, rotations 90 | **estimated**: adduction 30 (no source) |
| elbow | Merck flexion 160; forearm pronation 90 + supination 90 | **derived**: the neutral forearm is fully supinated (palms forward), so pronation spans 0..180 |
| wrist | Merck flexion 90, extension 70, radial deviation 25; Rajagopal ulnar deviation 35 | - (Merck's printed ulnar 65 is not used) |
| hip | Merck flexion 125, hyperextension 15, rotations 45, ab/adduction 45 | - |
| knee | Merck flexion 130 | rotation and ab/adduction 0 |
| ankle | Merck dorsiflexion 20, plantarflexion 50, inversion 35, eversion 25 (about z) | axial rotation 0 |
| finger MCP, PIP, DIP | Merck 90 / 30 extension, 120, 80; MCP abduction 25, adduction 20 | - |
| thumb CMC, MCP, IP | MoBL-ARMS CMC flexion 40.1, extension 44.7, abduction 44.7, adduction 28.6 (sign inferred); Merck MCP 70, IP 90 | - |
)md";

const char* const kPostures = R"md(
## perpost.dat, perpost_names.txt (standard postures)

38 postures of the 16 main joints (integers, written x, z, y as the program reads them):
37 standard whole-body postures and, as number 38, the seated wheelchair posture.
`perpost_names.txt` gives each number's name ("number TAB name") for the dialog's tooltips.
**Estimated**: the angles are chosen by us to show each activity; every one lies within
limit.dat (checked by the generator and the tests). Standing postures turn the forearms 90
degrees towards pronation so that the palms face the thighs, and hold the arms 4 degrees away
from the body.

What bears on the floor, on the 50th percentile US figures of both sexes (checked by the tests
from the meshes: within 0.5 cm of the lowest point, the centre of gravity over the area they
span):
- both soles, heel and toes: 1-15, 18 and 29-36 (standing, bending, lifting, the squats,
  pushing and pulling with a staggered stance);
- 16 kneeling on the right knee: the left sole, the right knee and the right toes;
- 17 kneeling on both knees: both knees and both toe tips;
- 37 on tiptoe: the tips of both feet, the figure leaning forward over them.
In the same postures no limb passes through another by more than 1 cm (checked by the tests
on each segment's volume taken as a stack of convex slices across its axis; parent and child,
and head and chest across the neck, may meet): the squat lift keeps the trunk 40 degrees
forward over thighs 15 degrees below level, the hands coming down outside the knees; the deep
squat sets the knees 35 degrees apart so that the trunk leans between the thighs; bending
sideways and reaching down to the side let the arm hang clear of the hip.
Walking, running, climbing a step and the seated postures are not checked for contact. The
wheelchair posture (38) puts the soles flat on the footrests (thighs level, knees at 75 degrees,
feet turned 15 degrees down) and the upper arms 25 degrees forward and 6 out, so that the elbows
rest on or above the armrests.

## lhand.dat, rhand.dat (hand postures)

Nine postures per hand, in dialog order: flat, relaxed, fist, cylindrical power grip, tip pinch,
lateral key pinch, tripod, pointing, spherical grip. **Estimated** finger angles within the
Merck and MoBL-ARMS ranges of limit.dat; the right hand is the mirror image of the left
(x kept, y and z negated). Long fingers flex with -x, the thumb flexes across the palm about z
and abducts forwards with -x. The grips close on the 5th to 95th percentile US figures of both
sexes: in the tip pinch the thumb's pad meets the index fingertip, in the key pinch the side of
the index finger's middle phalanx, in the tripod the index and middle fingertips (each within
0.5 cm); in the fist the thumb lies across the index and middle fingers, short of the little
finger.
)md";

const char* const kGait = R"md(
## walk.dat (gait cycle)

Seven frames of angle increments for the 16 main joints (18 lines per frame, the last two
zero). Source: `normal.mot` of the OpenSim gait2392 tutorial sampled at 0, 1/7, ... 6/7 of the
cycle (sourced), arm swing and elbow from the gait2392 example subject01 (derived there from
markers; only their excursions are used: shoulder minus its cycle mean, elbow minus its minimum).
**Derived**:
- Sign conversion: OpenSim's x forward, y up, z right; our x is their -z, our y and z are their
  y and x. Hip flexion (+) becomes thigh x (-, "Flexion"), knee angle (- = flexion) becomes lower
  leg x (+), ankle dorsiflexion (+) becomes foot x (-).
- Pelvis tilt, list and rotation go to ABDOMEN (pelvis tilt minus its cycle mean, which is the
  model's offset), lumbar angles to CHEST; the thighs hang from the level pelvis frame, so each
  thigh angle is hip angle plus pelvis angle.
- The left side is the right side half a cycle later, interpolated linearly between samples.
- The program resets the joints after the seventh frame, so the neutral posture stands for the
  sample nearest to it (mid-stance, 2/7); the frames show phases 3/7, 4/7, 5/7, 6/7, 0, 1/7 and
  then neutral. Increments are differences of consecutive frames starting from neutral.
)md";

std::string ScaleSection(const std::vector<ScaleFile>& files) {
    std::string text = R"md(
## Population scale tables (usa2.dat ... nasa3.dat) and child tables (mch2_35.dat ... mc115125.dat)

Five rows per file (2.5, 5, 50, 95, 97.5 %), each a header "percentile population sex row
stature(cm) weight(kg)" and 16 lines "segment x y z" of scale factors relative to the reference
segment sizes of the program (the reference man is 174.6 cm along the stature chain, the
reference woman 174.1 cm). Files ending in 2 are men, in 3 women.

**Derived (all adult files, one method)**: each segment follows an ANSUR 1988 measure of the
same sex at the row's percentile, relative to ANSUR's stature (lengths) or to ANSUR's
stature-weight breadth factor sqrt(W/H) (widths and depths), carried onto the population's own
stature and weight:

| segment | width (x) | length (y) | depth (z) |
|---|---|---|---|
| CHEST | chest and biacromial breadth (geometric mean) | sitting height | chest depth |
| ABDOMEN | hip breadth | sitting height | sqrt(W/H) |
| NECK | sqrt(W/H) | sitting height | sqrt(W/H) |
| upper arms | sqrt(W/H) | shoulder-elbow length | sqrt(W/H) |
| forearms | sqrt(W/H) | forearm-hand length | sqrt(W/H) |
| hands | hand breadth | hand length | hand breadth |
| thighs | sqrt(W/H) | buttock-knee length | sqrt(W/H) |
| lower legs | sqrt(W/H) | knee and popliteal height, sitting (geometric mean) | sqrt(W/H) |
| feet | foot breadth | stature | foot length |
| HEAD | head breadth | head circumference | head length |

The 50 % row has lengths = stature / reference stature and widths = the semi-automatic breadth
factor sqrt(W x H0 / (H x W0)) of the program (H0, W0 = 174.8 cm, 78 kg for men, 175.84 cm,
71.2 kg for women), each times the segment's survey correction (see the body meshes below), so
that the 50 % US figures measure like the survey's medians. Finally the lengths of the stature chain (head, neck, chest, abdomen,
thighs, lower legs, feet) are stretched by one common factor so that they add up to the row's
stature exactly. For the USA files the population is ANSUR 1988 itself, so every measure is
sourced at its own percentile.

Stature and weight of each file:

| file | stature and weight |
|---|---|
)md";
    for (const ScaleFile& f : files) {
        text += "| " + f.fileName + " | " + f.provenance + " |\n";
    }
    text += R"md(
Percentiles of derived populations: stature = median + z x SD (normal), weight = median x
(ANSUR 1988 or Dutch weight percentile / its median), which keeps weight's skew.

Children (boys, the only sex the program offers for children): **derived** stature and weight
from the CDC LMS parameters, X = M (1 + L S z)^(1/L). **Estimated**: head size, from a head
circumference of 50 cm at 3 years rising linearly to 54 cm at 12 (against the ANSUR 1988 male
median of 56.7 cm), times ANSUR's head-circumference percentile ratio; the rest of the stature
chain and the arms take the remaining stature isometrically; breadths follow sqrt(W/H).

| file | age | 50 % stature (cm) | 50 % weight (kg) |
|---|---|---|---|
)md";
    for (const ScaleFile& f : files) {
        if (f.populationCode >= 33) {
            text += "| " + f.fileName + " | " + std::to_string(f.populationCode - 30) + " | " +
                    Fixed(f.rows[2].stature, 2) + " | " + Fixed(f.rows[2].weight, 2) + " |\n";
        }
    }
    return text;
}

std::string MassSection(const CSources& src, const MassTable& table) {
    std::string text = R"md(
## antro1.dat (segment mass properties)

832 bytes of little-endian floats: 16 densities, then per segment regressions a H + b W + c
(H stature in cm, W weight in lb) of volume (cm^3) and of the moments of inertia about x, y, z
(thousandths of kg cm^2).

- **Sourced**: the Zatsiorsky-Seluyanov male regressions of segment mass and of the three
  principal moments (Zatsiorsky 2002, Table A2.6), rewritten for weight in lb; mass (kg) becomes
  volume = 1000 mass / density. Thigh, shank, foot, upper arm, forearm and hand map one to one;
  ABDOMEN is the lower trunk (omphalion to hips), moments about x (mediolateral), y
  (longitudinal), z (anteroposterior).
- **Sourced densities**: Harless (1860) male, by segment. **Estimated**: trunk density 1.03 g/cm^3
  (no trunk density in the sources; it changes only the reported volumes, not the masses).
- **Derived**: CHEST = upper + middle trunk; its masses add and its moments add about the common
  centre of mass (parallel axes, with the parts' centres from de Leva's fractions and lengths),
  fitted as a plane in H and W over adults of 150-200 cm with BMI 17-35.
- **Derived**: NECK = a solid elliptic cylinder of the reference neck size (density of the head
  and neck): )md" + Fixed(100.0 * NeckShareOfHeadNeck(src), 1) +
                       R"md( % of the head-and-neck mass; HEAD keeps the rest of the
  head-and-neck mass and moments.
- The file holds one set of regressions for both sexes (its format has no sex). The female
  Zatsiorsky-Seluyanov regressions are unverified in the sources and are not used; the table
  below compares the fractions the file gives a median ANSUR woman with de Leva's female
  fractions.
- **Derived for children**: the published regressions come from adults and, extrapolated, give
  small children negative masses. The volume (mass) planes are therefore fitted anew, by least
  squares on the relative error, over adults (150-200 cm, BMI 16-35, counted ten times) and
  children (90-150 cm, BMI 12-35) who get the masses of an adult of 150 cm and the same build
  (weight scaled with the cube of stature) scaled with their weight; for adults they stay within
  about 10 % of the published regressions. The moments of inertia (weight times length squared)
  cannot follow one plane over both ranges and keep the adult fits: for children they fall to
  zero, which the program shows as zero rather than negative, and are not meaningful.

Mass fractions the program computes from this file, against de Leva (1996):

| segment | ANSUR median man | de Leva male | ANSUR median woman | de Leva female |
|---|---|---|---|---|
)md";
    const auto man = SegmentMasses(table, 175.55, 77.7);
    const auto woman = SegmentMasses(table, 162.8, 61.3);
    struct Row {
        const char* name;
        std::vector<int> segments;
        const char* deLeva;
    };
    const Row rows[] = {{"head + neck", {kHead, kNeck}, "head"},
                        {"trunk (CHEST + ABDOMEN)", {kChest, kAbdomen}, "trunk"},
                        {"upper arm", {kLeftArm}, "upper_arm"},
                        {"forearm", {kLeftForearm}, "forearm"},
                        {"hand", {kLeftPalm}, "hand"},
                        {"thigh", {kLeftLeg}, "thigh"},
                        {"lower leg", {kLeftLowerLeg}, "shank"},
                        {"foot", {kLeftFoot}, "foot"}};
    for (const Row& r : rows) {
        double m = 0.0, w = 0.0;
        for (int s : r.segments) {
            m += man[s] / 77.7;
            w += woman[s] / 61.3;
        }
        text += "| " + std::string(r.name) + " | " + Fixed(m, 4) + " | " +
                Fixed(src.Segment("deLeva1996", "male", r.deLeva, "mass_fraction"), 4) + " | " +
                Fixed(w, 4) + " | " +
                Fixed(src.Segment("deLeva1996", "female", r.deLeva, "mass_fraction"), 4) + " |\n";
    }
    return text;
}

const char* const kMeshes = R"md(
## usa_m.per ... usa_f4.per (body meshes) and footprn2.dat (sole outlines)

Ten binary mesh files: Human (usa_m, usa_f), Robot (1), Stick Figure (2), Skeleton (3) and
HumanForm (4), men (m) and women (f). One frame for the whole file: inches, +y up, facing +z,
left side at +x, origin midway between the hip joint centres; the neutral posture stands
upright with the arms hanging, **palms forward** and fingers extended, feet flat. Every mesh is
**generated** (lofted cross-sections, ellipsoids, boxes, tubes) around one skeleton per sex
that all five representations share, so a figure changes representation without moving a joint.

Skeleton (all in cm at scale 1), at the program's reference sizes, which the program reports
as each segment's dimensions (scale vector times reference size):
- **Sourced**: the segment lengths and the Human/Robot/HumanForm widths and depths are the
  program's reference sizes of each main segment (the meshes are fitted to them exactly; the
  Human chest's breadth and depth at its deepest level below the armpits, the nipples or bust
  points where the survey measures them, and the Human head's breadth above the ears and its
  length from the brow ridges).
- **Sourced**: shoulder height from ANSUR 1988 acromion height / stature, shoulder breadth from
  biacromial breadth, eye height from sitting height minus sitting eye height (medians of the
  same sex, scaled to the reference stature; the shoulders divided by the chest's width
  correction below, which carries them).
- **Derived** (the Human pelvis and thighs, for sitting): the upper thighs as deep as the
  survey's sitting height leaves room for below the hip joints, the pelvis ending just above
  their undersides (a seated figure rests on its thighs and buttocks, not on a point of the
  pelvis), and the buttocks pulled back until the seated buttock-knee length is the survey's.
- **Estimated**: hip joints a quarter of the pelvis width either side of the origin; shoulder
  joint 1 cm inside the acromion and 2.2 % of stature below it; spine joints 13 % of the pelvis
  depth behind the hip line; ankle 21 % of the foot length ahead of the heel; eyes 6.4 cm apart;
  hand proportions (knuckles half-way down the hand, finger and phalanx shares) from general
  hand anthropometry, the index and little fingers' outer edges on the hand breadth; grip point
  (centre of a power grasp) on the forearm axis 42 % down the hand, so that the two-link reach
  lands exactly; a squarish cranium (superellipse sections), which gives the survey's head
  circumference from its breadth and length.
- **Estimated** (shapes that cost nothing when the program runs: same vertex conventions,
  every survey measure unchanged): segments overlap across the lower back, neck, knee and
  elbow joints; the pelvis widens into the chest's section just below the lower back joint
  and the chest into the neck's below the neck joint, so that the standing figure shows no
  step; the ends that reach across a joint are drawn into half-ellipsoids round it, inside
  the narrower section there, so that a bent trunk, neck, knee or elbow turns them inside
  the other segment (no pelvis through the back, no plate behind the neck). The neck is its
  reference size above the joint. Feet with a rounded heel, an instep falling to the ball, a
  low toe box with five toes and its tip towards the big toe, and the inner arch lifted
  off the floor; the palm's finger end follows the knuckles, and the phalanges are full at
  both ends so that the finger joints show as creases.

Survey corrections: the reference figure is not shaped like the survey's soldiers, so every
adult scale row multiplies its scales by one factor per segment and axis, chosen so that the 50 %
US rows measure like the ANSUR 1988 medians (lengths at stature / reference stature, breadths at
the semi-automatic breadth factor of the median's stature and weight: 0.996 for men, 0.964 for
women); the other rows and populations keep those proportions. **Derived** from the medians:
chest breadth and depth; head breadth and length; pelvis width = standing hip breadth and each
thigh half of it (the thighs fill the pelvis's outer halves, nothing sticks out beyond the
hips); the knee axis, seated, half-way between popliteal height and knee height (the thigh
takes what the lower leg gives up, the stature chain keeps its length); the upper arm =
shoulder-elbow length less the acromion's height above the joint and the 4.5 cm by which the
Human upper arm reaches below the elbow joint (the point a seated elbow rests on); hand
breadth and length; foot breadth and length. The child tables and the semi-automatic scaling
keep the reference figure's shape.
- Palms forward, not towards the thighs: the program's motion names turn the wrist in flexion
  about x and in radial/ulnar deviation about z, which is only anatomical with the palm facing
  forward, and the hand is wider (9.0 cm for the median man) than deep. Standing postures
  pronate the forearms 90 degrees to bring the palms to the thighs.

Landmark vertices of each record: 0 the joint centre, 1 the elbow (upper arms), wrist
(forearms), grip point (palms), knee (thighs), ankle (lower legs), toe tip (feet), head top
(HEAD), the next joint (trunk, neck) or the finger's end; HEAD 2 and 3 the left and right eye;
foot 2 and 3 the toe and heel points of the sole; last the mass centre:
- **Sourced** (de Leva 1996, sex-specific): mass centres of head (from the vertex), upper arm,
  forearm, hand (wrist to fingertip), thigh, shank (knee to ankle joint centre) and foot
  (heel to toe) along their segments; CHEST at the mass-weighted centre of de Leva's upper and
  middle trunk, ABDOMEN at his lower trunk's, with his trunk lengths scaled to ours.
- **Estimated**: neck at mid-length, fingers at 45 % of each phalanx, the foot's centre 35 % of
  the ankle height above the sole, trunk and head centres on the segment's centre line.

footprn2.dat: 26 points per sole, right then left, heel (point 0) to toe tip (point 14) along
the outer edge and back along the inner edge; the program scales them to the heel-toe distance
of the feet. **Estimated** outline: contact width as a share of the foot breadth along the foot,
the inner arch lifted off the floor.
)md";

std::string MeasureSection(const std::vector<SurveyMeasurement>& measurements) {
    return R"md(
## How the US figures measure

The 5th, 50th and 95th percentile US figures (Human), built as New Mannequin builds them from
these files, measured by the generator as the 1988 US Army survey measured its soldiers
(Gordon et al. 1989): standing upright; the span with the arms held out sideways; seated
upright with the thighs level and the knees and elbows at right angles, heights from the
lowest point of the buttocks and thighs, knee and popliteal heights from the soles. Chest
depth and breadth are taken at the chest's deepest level below the armpits, head
circumference as the hull of the head's largest section above the brow ridges, the acromion as
the top of the shoulder above the joint. Targets: heights and lengths within 3 %, breadths,
depths and circumferences within 5 %, seated heights within 3 %. Elbow rest height is a short
difference of long measures and is checked at the median only (within 10 %); a rigid figure
cannot spread its hips on a seat as flesh does, so seated hip breadth is only shown. The
generator's tests fail when a measure leaves its target.

<!-- survey measures: written by tavrona-datagen -->
)md" + SurveyMeasureTable(measurements) +
           "\n<!-- end of survey measures -->\n";
}

} // namespace

std::string DataReadme(const CSources& sources, const std::vector<ScaleFile>& scaleFiles,
                       const MassTable& massTable,
                       const std::vector<SurveyMeasurement>& measurements) {
    return std::string(kIntro) + kMeshes + MeasureSection(measurements) + kLimits + kPostures +
           kGait + ScaleSection(scaleFiles) + MassSection(sources, massTable);
}
