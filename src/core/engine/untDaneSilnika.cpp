#include "core/engine/untDaneSilnika.h"

#include <array>

#include "core/app/untStale.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

using K = std::uint8_t;
template <typename... T>
constexpr std::uint16_t Of(T... classes)
{
    return static_cast<std::uint16_t>(((1u << classes) | ...));
}

constexpr K N = ksRzeczownik, V = ksCzasownik, A = ksPrzymiotnik, Adv = ksPrzyslowek, Pron = ksZaimek,
            Prep = ksPrzyimek, Conj = ksSpojnik, Int = ksWykrzyknik, Det = ksOkreslnik, Num = ksLiczebnik,
            Part = ksPartykula;

// clang-format off
const TSlowoSilnika kFrenchHomographs[] = {
    {"de1", Of(Prep)}, {"de2", Of(Prep)}, {"de3", Of(Prep)}, {"de4", Of(Prep)}, {"de5", Of(Prep)}, {"de6", Of(Prep)},
    {"de7", Of(Prep)}, {"de8", Of(Prep)}, {"de9", Of(Prep)}, {"de10", Of(Prep)}, {"de11", Of(Prep)}, {"de12", Of(Prep)},
    {"de99", Of(Prep)}, {"des0", Of(Det)}, {"des1", Of(Det)},
    {"le1", Of(Det)}, {"la1", Of(Det)}, {"l'1", Of(Det)}, {"les1", Of(Det)},
    {"le2", Of(Pron)}, {"la2", Of(Pron)}, {"l'2", Of(Pron)}, {"les2", Of(Pron)},
    {"un2", Of(Num)}, {"une2", Of(Num)}, {"leur1", Of(Det)}, {"leur2", Of(Pron)},
    {"en1", Of(Prep)}, {"en2", Of(Pron)}, {"en3", Of(Adv, Part)}, {"en4", Of(Prep)}, {"en11", Of(Prep)}, {"en12", Of(Prep)},
    {"à3", Of(Prep)}, {"à4", Of(Prep)},
    {"me2", Of(Pron)}, {"te2", Of(Pron)}, {"se2", Of(Pron)},
    {"nous0", Of(Pron)}, {"nous1", Of(Pron)}, {"nous2", Of(Pron)}, {"vous0", Of(Pron)}, {"vous1", Of(Pron)}, {"vous2", Of(Pron)},
    {"on1", Of(Pron)}, {"ne2", Of(Part)}, {"pas1", Of(Part)}, {"pas2", Of(N)}, {"point1", Of(Part)}, {"son2", Of(N)},
    {"que1", Of(Conj)}, {"que2", Of(Pron)}, {"que3", Of(Conj)}, {"que4", Of(Conj)}, {"que5", Of(Part, Adv)},
    {"qui1", Of(Pron)}, {"qui2", Of(Pron)}, {"qui3", Of(Pron)},
    {"si1", Of(Conj)}, {"si2", Of(Conj)}, {"si3", Of(Adv)},
};

const TSlowoSilnika kPolishHomographs[] = {
    {"nie1", Of(Part)}, {"nie2", Of(Part)}, {"nie3", Of(Pron)}, {"nie4", Of(Part)}, {"nie5", Of(Part)}, {"nie6", Of(Part)},
    {"tak1", Of(Part, Adv)}, {"tak2", Of(Adv)}, {"je1", Of(Pron)}, {"je2", Of(V)},
    {"czy2", Of(Conj)}, {"czy3", Of(Conj)}, {"czy4", Of(Conj, Part)},
    {"wolno11", Of(V)}, {"wolno12", Of(V)}, {"wolno21", Of(V)}, {"wolno22", Of(V)}, {"wolno3", Of(V, Adv)}, {"wolno4", Of(Adv)},
    {"który0", Of(Pron, A)}, {"który1", Of(Pron, A)}, {"który2", Of(Pron, A)}, {"który3", Of(Pron, A)},
    {"który4", Of(Pron, A)},
    {"bardzo1", Of(Adv)}, {"bardzo2", Of(Adv)}, {"aby1", Of(Conj)}, {"żeby1", Of(Conj)}, {"by1", Of(Part)},
    {"jak0", Of(Adv, Conj)}, {"jak1", Of(Adv, Conj)}, {"jak2", Of(Adv, Conj)}, {"raz1", Of(N, Adv)}, {"raz2", Of(N)},
    {"chcieć2", Of(V)},
    {"pod1", Of(Prep)}, {"pod2", Of(Prep)}, {"w1", Of(Prep)}, {"w2", Of(Prep)}, {"we1", Of(Prep)}, {"we2", Of(Prep)},
    {"po1", Of(Prep)}, {"po2", Of(Prep)}, {"na1", Of(Prep)}, {"na2", Of(Prep)}, {"nad1", Of(Prep)}, {"nad2", Of(Prep)},
    {"przed1", Of(Prep)}, {"przed2", Of(Prep)}, {"między1", Of(Prep)}, {"między2", Of(Prep)},
    {"o1", Of(Prep)}, {"o2", Of(Prep)}, {"o3", Of(Int)},
    {"z1", Of(Prep)}, {"z2", Of(Prep)}, {"z3", Of(Prep, Adv)}, {"z4", Of(Prep)}, {"z5", Of(Prep)},
    {"za1", Of(Prep)}, {"za2", Of(Prep)}, {"za3", Of(Prep)}, {"za4", Of(Prep)}, {"za5", Of(Adv, Prep)}, {"za6", Of(Prep)},
    {"za7", Of(Prep)},
    {"jego2", Of(Pron, A, Det)}, {"jej2", Of(Pron, A, Det)}, {"ich2", Of(Pron)},
    {"jego3", Of(Pron, A, Det)}, {"jej3", Of(Pron, A, Det)}, {"ich3", Of(Pron, A, Det)},
    {"im2", Of(Adv)}, {"tym2", Of(Adv)}, {"temu2", Of(Adv, Prep)}, {"tensam", Of(A, Pron)}, {"sam2", Of(A, Pron)},
    {"to1", Of(Pron)}, {"to2", Of(Pron)}, {"to30", Of(V, Pron)}, {"to31", Of(V, Pron)}, {"to32", Of(V, Pron)},
    {"to4", Of(V, Pron)},
    {"ci1", Of(Pron, A, Det)}, {"ci2", Of(Pron)}, {"ci3", Of(Pron)},
    {"niczym1", Of(Pron)}, {"niczym2", Of(Conj)}, {"nim2", Of(Conj)},
    {"może1", Of(V)}, {"może2", Of(Adv, Part)}, {"może3", Of(Adv, Part)}, {"należy1", Of(V)}, {"należało1", Of(V)},
    {"przez1", Of(Prep)},
    {"pan1", Of(N, Pron)}, {"pan2", Of(N, Pron)}, {"pan3", Of(N, Pron)}, {"pan4", Of(N, Pron)},
    {"pani1", Of(N, Pron)}, {"pani2", Of(N, Pron)}, {"pani3", Of(N, Pron)}, {"pani4", Of(N, Pron)},
    {"Panstwo1", Of(N, Pron)}, {"Panstwo2", Of(N, Pron)}, {"Panstwo3", Of(N, Pron)}, {"Panstwo4", Of(N, Pron)},
    {"panstwo00", Of(N, Pron)}, {"panstwo01", Of(N, Pron)},
    {"stać1", Of(V)}, {"się1", Of(Pron)}, {"sobie1", Of(Pron)},
    {"ja0", Of(Pron)}, {"ty0", Of(Pron)}, {"my0", Of(Pron)}, {"wy0", Of(Pron)}, {"ja1", Of(Pron)},
    {"on0", Of(Pron)}, {"on2", Of(Pron)}, {"on30", Of(Pron)}, {"on31", Of(Pron)},
    {"ona0", Of(Pron)}, {"ona2", Of(Pron)}, {"ona30", Of(Pron)}, {"ona31", Of(Pron)},
    {"ono0", Of(Pron)}, {"ono3", Of(Pron)}, {"ono32", Of(Pron)}, {"oni0", Of(Pron)},
};

const TSlowoSilnika kFrenchFunctionWords[] = {
    {"le", Of(Det)}, {"le", Of(Pron)}, {"la", Of(Det)}, {"la", Of(Pron)}, {"l'", Of(Det)}, {"l'", Of(Pron)},
    {"les", Of(Det)}, {"les", Of(Pron)}, {"un", Of(Det)}, {"une", Of(Det)}, {"des", Of(Det)},
    {"ce", Of(Det)}, {"cet", Of(Det)}, {"cette", Of(Det)}, {"ces", Of(Det)},
    {"mon", Of(Det)}, {"ton", Of(Det)}, {"son", Of(Det)}, {"ma", Of(Det)}, {"ta", Of(Det)}, {"sa", Of(Det)},
    {"mes", Of(Det)}, {"tes", Of(Det)}, {"ses", Of(Det)}, {"notre", Of(Det)}, {"votre", Of(Det)}, {"nos", Of(Det)},
    {"vos", Of(Det)}, {"leur", Of(Det)}, {"leur", Of(Pron)}, {"leurs", Of(Det)}, {"tout", Of(Det)}, {"tous", Of(Det)},
    {"quel", Of(Det)}, {"quelle", Of(Det)}, {"chaque", Of(Det)}, {"quelques", Of(Det)}, {"plusieurs", Of(Det)},
    {"je", Of(Pron)}, {"j'", Of(Pron)}, {"tu", Of(Pron)}, {"il", Of(Pron)}, {"elle", Of(Pron)}, {"on", Of(Pron)},
    {"nous", Of(Pron)}, {"vous", Of(Pron)}, {"ils", Of(Pron)}, {"elles", Of(Pron)},
    {"me", Of(Pron)}, {"m'", Of(Pron)}, {"te", Of(Pron)}, {"t'", Of(Pron)}, {"se", Of(Pron)}, {"s'", Of(Pron)},
    {"lui", Of(Pron)}, {"y", Of(Pron)}, {"en", Of(Pron)}, {"en", Of(Prep)}, {"moi", Of(Pron)}, {"toi", Of(Pron)},
    {"soi", Of(Pron)}, {"eux", Of(Pron)}, {"qui", Of(Pron)}, {"que", Of(Conj)}, {"que", Of(Pron)}, {"qu'", Of(Conj)},
    {"quoi", Of(Pron)}, {"dont", Of(Pron)}, {"ça", Of(Pron)}, {"cela", Of(Pron)}, {"c'", Of(Pron)},
    {"de", Of(Prep)}, {"d'", Of(Prep)}, {"à", Of(Prep)}, {"pour", Of(Prep)}, {"par", Of(Prep)}, {"sur", Of(Prep)},
    {"sous", Of(Prep)}, {"dans", Of(Prep)}, {"avec", Of(Prep)}, {"sans", Of(Prep)}, {"chez", Of(Prep)}, {"vers", Of(Prep)},
    {"entre", Of(Prep)}, {"contre", Of(Prep)}, {"avant", Of(Prep)}, {"après", Of(Prep)}, {"pendant", Of(Prep)},
    {"depuis", Of(Prep)},
    {"et", Of(Conj)}, {"ou", Of(Conj)}, {"mais", Of(Conj)}, {"donc", Of(Conj)}, {"ni", Of(Conj)}, {"car", Of(Conj)},
    {"si", Of(Conj)}, {"quand", Of(Conj, Adv)}, {"comme", Of(Conj, Adv)},
    {"ne", Of(Part)}, {"n'", Of(Part)}, {"pas", Of(Part)}, {"point", Of(Part)}, {"jamais", Of(Part, Adv)},
    {"plus", Of(Adv, Part)}, {"très", Of(Adv)},
};

const TSlowoSilnika kPolishFunctionWords[] = {
    {"ja", Of(Pron)}, {"ty", Of(Pron)}, {"on", Of(Pron)}, {"ona", Of(Pron)}, {"ono", Of(Pron)}, {"my", Of(Pron)},
    {"wy", Of(Pron)}, {"oni", Of(Pron)}, {"one", Of(Pron)}, {"się", Of(Pron)}, {"sobie", Of(Pron)}, {"mnie", Of(Pron)},
    {"go", Of(Pron)}, {"jego", Of(Pron)}, {"jej", Of(Pron)}, {"ich", Of(Pron)}, {"im", Of(Pron)},
    {"i", Of(Conj)}, {"a", Of(Conj)}, {"ale", Of(Conj)}, {"lub", Of(Conj)}, {"albo", Of(Conj)}, {"oraz", Of(Conj)},
    {"czy", Of(Conj, Part)}, {"że", Of(Conj)}, {"bo", Of(Conj)}, {"gdy", Of(Conj)}, {"jeśli", Of(Conj)},
    {"aby", Of(Conj)}, {"żeby", Of(Conj)}, {"więc", Of(Conj)},
    {"nie", Of(Part)}, {"by", Of(Part)}, {"bym", Of(Part)}, {"byś", Of(Part)}, {"byśmy", Of(Part)}, {"byście", Of(Part)},
    {"to", Of(Pron)},
};

constexpr std::string_view kGoverningPrepositions[] = {
    "bez", "dla", "do", "ku", "między", "na", "nad", "o", "od", "po", "pod", "przed", "przez", "przy", "u", "w",
    "we", "z", "ze", "za", "zamiast", "około", "obok", "podczas", "według", "wobec", "wśród", "oprócz", "poza",
};
// clang-format on

constexpr std::string_view kFutureAuxiliaries[] = {"będę", "będziesz", "będzie", "będziemy", "będziecie", "będą"};

} // namespace

std::span<const TSlowoSilnika> EngineHomographs(std::uint8_t language)
{
    if (language == jezPolski)
        return kPolishHomographs;
    return kFrenchHomographs;
}

std::span<const TSlowoSilnika> EngineFunctionWords(std::uint8_t language)
{
    if (language == jezPolski)
        return kPolishFunctionWords;
    return kFrenchFunctionWords;
}

std::span<const std::string_view> GoverningPrepositions()
{
    return kGoverningPrepositions;
}

std::span<const std::string_view> FutureAuxiliaries()
{
    return kFutureAuxiliaries;
}

bool IsFrenchFormCode(int code)
{
    const auto in = [code](int low, int high) { return code >= low && code <= high; };
    return in(1, 19) || in(31, 49) || in(51, 69) || in(80, 204) || in(211, 214) || in(216, 235) || in(241, 247) ||
           in(249, 255);
}

} // namespace velmar
