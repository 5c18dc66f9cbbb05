#include "protections/protection_digital_input_form.h"

#include "protections/protection_digital_inputs_menu.h"
#include "protections/protections_menu.h"
#include "texts/common.h"

namespace {

// input, type, action, name choice, protection action, deviation, bypass, trip, restart delay, restarts,
// counter reset, reset, state, name ids
const DigitalInputIds kInputs[] = {
    {1, 800, 804, 1231, 328, 1499, 330, 331, 332, 333, 334, 626, 24, 2125, 2126},
    {2, 801, 805, 1232, 343, 1500, 345, 346, 347, 348, 349, 627, 25, 2127, 2128},
    {3, 802, 806, 1233, 358, 1501, 360, 361, 362, 363, 364, 628, 26, 2129, 2130},
    {4, 803, 807, 1234, 373, 1502, 375, 376, 377, 378, 379, 629, 27, 2131, 2132},
    {7, 1223, 1227, 1235, 1239, 1503, 1241, 1242, 1243, 1244, 1245, 1307, 811, 2133, 2134},
    {8, 1224, 1228, 1236, 1256, 1504, 1258, 1259, 1260, 1261, 1262, 1308, 812, 2135, 2136},
    {9, 1225, 1229, 1237, 1273, 1505, 1275, 1276, 1277, 1278, 1279, 1309, 813, 2137, 2138},
    {10, 1226, 1230, 1238, 1290, 1506, 1292, 1293, 1294, 1295, 1296, 1310, 814, 2139, 2140},
    {13, 1787, 1786, 1788, 1790, 1807, 1792, 1793, 1794, 1795, 1796, 1789, 1774, 0, 0},
    {14, 1809, 1808, 1810, 1812, 1829, 1814, 1815, 1816, 1817, 1818, 1811, 1775, 0, 0},
    {15, 1831, 1830, 1832, 1834, 1851, 1836, 1837, 1838, 1839, 1840, 1833, 1776, 0, 0},
    {16, 1853, 1852, 1854, 1856, 1873, 1858, 1859, 1860, 1861, 1862, 1855, 1777, 0, 0},
    {17, 1875, 1874, 1876, 1878, 1895, 1880, 1881, 1882, 1883, 1884, 1877, 1778, 0, 0},
    {18, 1897, 1896, 1898, 1900, 1917, 1902, 1903, 1904, 1905, 1906, 1899, 1779, 0, 0},
    {19, 1919, 1918, 1920, 1922, 1939, 1924, 1925, 1926, 1927, 1928, 1921, 1780, 0, 0},
    {20, 1941, 1940, 1942, 1944, 1961, 1946, 1947, 1948, 1949, 1950, 1943, 1781, 0, 0},
    {21, 1963, 1962, 1964, 1966, 1983, 1968, 1969, 1970, 1971, 1972, 1965, 1782, 0, 0},
    {22, 1985, 1984, 1986, 1988, 2005, 1990, 1991, 1992, 1993, 1994, 1987, 1783, 0, 0},
    {23, 2007, 2006, 2008, 2010, 2027, 2012, 2013, 2014, 2015, 2016, 2009, 1784, 0, 0},
    {24, 2029, 2028, 2030, 2032, 2049, 2034, 2035, 2036, 2037, 2038, 2031, 1785, 0, 0},
};

} // namespace

ProtectionDigitalInputForm::ProtectionDigitalInputForm(const DigitalInputIds& ids, const QMetaObject& page,
                                                       QWidget* parent)
    : BaseProtectionForm(parent), ids_(ids)
{
    setObjectName(QString::fromLatin1(page.className()));
    setTitle(inputTitle(ids.input));
}

const DigitalInputIds* ProtectionDigitalInputForm::inputIds(int input)
{
    for (const DigitalInputIds& ids : kInputs) {
        if (ids.input == input)
            return &ids;
    }
    return nullptr;
}

QString ProtectionDigitalInputForm::inputTitle(int input)
{
    return QObject::tr("Цифровой вход ") + QString::number(input);
}

void ProtectionDigitalInputForm::createForm()
{
    addComboBox(ids_.type, choices(&Common::getTextDiType, {0, 1}));
    PairList states;
    states.append(0, QObject::tr("Замкнут"));
    states.append(1, QObject::tr("Разомкнут"));
    addStatusText(ids_.state, states);
    addComboBox(ids_.action, choices(&Common::getTextDiAction, {0, 1, 2, 3, 4, 5, 6}));
    // Entry 0 is the input's own name as the controller holds it now.
    const Common::CellReader cells = cellReader();
    const auto nameText = [this, &cells](int code) {
        return Common::getTextDiParameter(static_cast<unsigned short>(code), ids_.firstName, ids_.secondName, cells);
    };
    addComboBox(ids_.nameChoice, choices(nameText, {0, 1, 2, 3, 4}));
    const bool hasName = ids_.firstName != 0 && ids_.secondName != 0;
    if (hasName && selector(ids_.nameChoice) == 0)
        addStringEdit(ids_.firstName, ids_.secondName);
    addActionRows(ids_.protectionAction, {0, 1, 2}, ids_.deviation);
    addEdits({ids_.bypass, ids_.trip, ids_.restartDelay, ids_.restarts, ids_.counterReset});
    addButtonResetDefault(ids_.reset);
    QVector<quint16> watched{ids_.nameChoice};
    if (hasName)
        watched << ids_.firstName << ids_.secondName;
    rebuildOnUpdate(watched, &ProtectionDigitalInputsMenu::createNextForm);
}

void ProtectionDigitalInputForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionDigitalInputsMenu>();
}
