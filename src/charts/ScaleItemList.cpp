#include "charts/ScaleItemList.h"

#include "case/Questionnaire.h"

namespace {

struct ListedScales
{
    int first;
    QVector<QVector<int>> lists; // lists[0] belongs to scale `first`
};

QVector<int> join(const QVector<int> &a, const QVector<int> &b, const QVector<int> &c = {}) { return a + b + c; }

ListedScales parentLists()
{
    const QVector<int> withdrawn{42, 72, 76, 82, 87, 95, 109, 110, 118};
    const QVector<int> somatic{51, 54, 56, 57, 58, 59, 60, 61, 62};
    const QVector<int> anxious{12, 14, 31, 32, 33, 34, 35, 45, 50, 52, 78, 96, 110, 119};
    const QVector<int> social{1, 11, 25, 38, 48, 55, 69, 71};
    const QVector<int> thought{9, 40, 73, 77, 87, 91, 92};
    const QVector<int> attention{1, 8, 10, 13, 17, 41, 45, 46, 68, 69, 87};
    const QVector<int> rules{26, 39, 43, 70, 74, 79, 88, 89, 97, 103, 108, 112, 113, 121};
    const QVector<int> aggressive{
        3, 7, 10, 16, 19, 20, 21, 22, 23, 27, 37, 41, 64, 75, 81, 93, 94, 100, 101, 102, 104, 111};
    // The internalising list names item 110 once: the anxious list's 110 is left out there.
    QVector<int> anxiousWithout110 = anxious;
    anxiousWithout110.removeOne(110);
    return {5,
        {withdrawn, somatic, anxious, social, thought, attention, rules, aggressive,
            join(withdrawn, somatic, anxiousWithout110), join(rules, aggressive)}};
}

ListedScales teacherLists()
{
    const QVector<int> withdrawn{42, 72, 76, 82, 87, 95, 109, 110, 118};
    const QVector<int> somatic{51, 54, 56, 57, 58, 59, 60, 61, 62};
    const QVector<int> anxious{12, 14, 31, 32, 33, 34, 35, 45, 47, 50, 52, 78, 88, 96, 110, 113, 115, 119};
    const QVector<int> social{1, 11, 12, 14, 25, 33, 34, 35, 36, 38, 48, 69, 71};
    const QVector<int> thought{9, 18, 29, 40, 73, 77, 91, 92};
    const QVector<int> attention{1, 2, 4, 8, 10, 13, 15, 17, 22, 41, 45, 49, 67, 68, 69, 79, 85, 87, 99, 107};
    const QVector<int> rules{26, 39, 43, 70, 89, 97, 105, 108, 112, 121};
    const QVector<int> aggressive{
        3, 6, 7, 16, 19, 20, 21, 23, 24, 27, 37, 53, 64, 74, 75, 81, 83, 84, 93, 94, 100, 101, 102, 104, 111};
    return {7,
        {withdrawn, somatic, anxious, social, thought, attention, rules, aggressive, join(withdrawn, somatic, anxious),
            join(rules, aggressive)}};
}

ListedScales selfReportLists()
{
    const QVector<int> withdrawn{42, 72, 76, 82, 109, 110, 118};
    const QVector<int> somatic{51, 54, 56, 57, 58, 59, 60, 61, 62};
    const QVector<int> anxious{12, 14, 18, 31, 32, 33, 34, 35, 45, 50, 52, 78, 96, 98, 110, 119};
    const QVector<int> social{1, 11, 25, 38, 48, 69, 71, 118};
    const QVector<int> thought{9, 40, 73, 77, 90, 91, 92};
    const QVector<int> attention{1, 8, 10, 13, 17, 41, 45, 68, 69};
    const QVector<int> rules{26, 39, 43, 70, 74, 79, 88, 89, 97, 108, 112, 121};
    const QVector<int> aggressive{
        3, 7, 10, 16, 19, 20, 21, 23, 27, 37, 41, 64, 75, 81, 93, 94, 100, 101, 102, 104, 111};
    const QVector<int> maturity{6, 15, 28, 49, 66, 67, 80, 85, 87, 95, 99, 105, 113, 114, 115, 116};
    QVector<int> anxiousWithout110 = anxious;
    anxiousWithout110.removeOne(110);
    return {5,
        {withdrawn, somatic, anxious, social, thought, attention, rules, aggressive, maturity,
            join(withdrawn, somatic, anxiousWithout110), join(rules, aggressive)}};
}

const ListedScales &listed(int kind)
{
    static const ListedScales all[3] = {parentLists(), teacherLists(), selfReportLists()};
    return all[kindInfo(kind).kind - 1];
}

} // namespace

bool hasScaleItemList(int kind, int scale)
{
    const ListedScales &l = listed(kind);
    return scale >= l.first && scale < l.first + l.lists.size();
}

const QVector<int> &scaleItemList(int kind, int scale)
{
    static const QVector<int> none;
    if (!hasScaleItemList(kind, scale))
        return none;
    const ListedScales &l = listed(kind);
    return l.lists[scale - l.first];
}

int firstListedScale(int kind) { return listed(kind).first; }
int lastListedScale(int kind) { return listed(kind).first + int(listed(kind).lists.size()) - 1; }
