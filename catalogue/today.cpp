// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/today.h"

namespace korvanta::today
{
namespace
{

using enum Status;
using enum Evidence;
constexpr Status Gone = NoLongerIssued;

// Where each row comes from. No national table of the letters exists: GA 36-2018 fixes the
// plate, and each province's public-security department gives out the letters, so today's
// letters are known from notices in the press and from public lists that copy one another.
//
// Lists, the letters and places read from each, whole:
//   [L1] the plate-area list of a public WeChat mini-program template, GitHub
//        yinchengnuo/templateWxappUniapp, pages/数据集合/大全/车牌归属地.js (2023);
//   [L2] the plate-area table of a public bus-plate mini-program, GitHub 5chao/busPlate,
//        miniprogram/const/plateAreaData.ts (2023).
// A row marked Lists has the place that both give for its letter, unless its comment says
// otherwise. Where they split, or neither has the letter, only the province (or city) is said.
//
// Notices and place pages:
//   [jinan]  齐鲁壹点《鲁A号牌渐少,济南明确,鲁S车牌将重新放号》(2023-03-24,
//            jinan.subaoxw.com/zj/2023/0324/102057.html): 济南车管所 gives out 鲁S again beside
//            鲁A; 鲁S, 原莱芜市's, was stopped on 2019-10-08 when 莱芜 had become part of 济南;
//            青岛 has 鲁B and 鲁U, 潍坊 鲁G and 鲁V, 烟台 鲁F and 鲁Y.
//   [suzhou] 苏州 gives out 苏U from 2019-01-05 (baike.8red.cn/changshi/27636.html, after 人民网).
//   [wuhan]  武汉市公安局交通管理局 via 湖北发布 (2022-04-24): 鄂W from 2022-04-26.
//   [chengdu] 成都市公安局交通管理局 via 快科技 (xzxzc.com/xz/49318.html): 川G from 2022-04-07.
//   [xian]   西安市公安局交通警察支队's notice of 2020-03-31 via 华商报
//            (m.studyofnet.com/439842741.html): 陕U from 2020-04-01, before that the province's
//            own organs' letter (changshiguan.com/shuma/j8q5ej.html).
//   [gov]    新华社 on www.gov.cn (2010-07-01): 国务院 approved 崇文 into 东城, 宣武 into 西城.
//   [huaian] baike.com 淮安市: 淮阴市 renamed 淮安市 early in 2001 (ditu.quchaw.com: 2001-02-10).
//   [chaohu] maps7.com 巢湖: 地级巢湖市 abolished on 2011-08-22, its 居巢区 made 县级巢湖市
//            under 合肥; 粤语维基百科 巢湖市: plate 皖A.
//   [xiangyang] 新华社, 2010-12-09 (reprinted at sh-daijia.com): 襄樊市 renamed 襄阳市.
//   [zhangjiajie] 国务院 renamed 大庸市 张家界市 on 1994-04-04 (gudianfeng.com, aolonic.com).
//   [foshan] 国函〔2002〕109号 of 2002-12-08 (zh.wikisource.org): 县级顺德市 and 南海市 made
//            佛山市顺德区 and 南海区.
//   [dongchuan] 昆明市东川区人民政府《铜都东川的历史足迹与不凡成就》(kmdc.gov.cn, 2021-01-04):
//            地级东川市 abolished, 东川区 under 昆明 (1999-02 there, 1998-12-06 elsewhere: no year
//            is said); neither list has 云B.
//   [puer]   维基百科 普洱市 (旧称思茅, plate 云J); 商伟凡《市名“思茅”改“普洱”何以可行?》:
//            renamed from 2007-04-08.
//   [tongren] a page of 贵州's divisions (zzfmdn.com): 铜仁地区 and 毕节地区 made 地级市 in 2011.
//   [qamdo]  财新, 2014-11-03: 昌都地区 made 昌都市; 维基百科 昌都市: plate 藏B.
//   [nagqu]  中新网, 2018-05-07: 那曲地区 made 那曲市.
//   [tianjin] 太平洋汽车网's list of 津 letters (pcauto.com.cn/wd/2701231.html): 津A to 津N, 津Q
//            and 津R are the city's plates, 津E its taxis'.
//   [hainan] a list of 琼 letters (aryapackersandmovers.com/wd/2388443.html): 琼C 琼海市, 琼D
//            五指山, 琼E 洋浦开发区, 琼F 儋州.
//
// Where the catalogue's word differs from every list and no source says that the letter changed
// hands (鲁M, which every list gives to 滨州 while 莱芜 had 鲁S; 蒙G to 蒙L, where the catalogue
// leaves out 通辽 and shifts the letters after it), the note says what the lists give and
// nothing of a change.
// clang-format off
constexpr KeyedTable<Meaning, 405> kToday({
    // 北京市
    {u"京A", {u"", Changed, u"崇文、宣武2010年分别并入东城、西城", Lists}}, // [gov]
    {u"京B", {u"", Same, u"", Lists}},
    {u"京C", {u"", Changed, u"崇文、宣武2010年分别并入东城、西城", Lists}}, // [gov]
    {u"京D", {u"", Same, u"", Lists}},
    {u"京E", {u"", Changed, u"崇文、宣武2010年分别并入东城、西城", Lists}}, // [gov]
    {u"京F", {u"", Changed, u"崇文、宣武2010年分别并入东城、西城", None}}, // [gov]; no list names 京F
    {u"京G", {u"", Same, u"", None}}, // no list names 京G
    {u"京H", {u"", Same, u"", None}}, // L1: 中央国家机关使用; L2 lacks it
    {u"京J", {u"", Same, u"", Lists}}, // L1: 中央国家机关使用; L2: 北京市
    {u"京K", {u"", Same, u"", Lists}}, // L1: 中央国家机关使用; L2: 北京市
    {u"京L", {u"", Same, u"", Lists}}, // L1: 中央国家机关使用; L2: 北京市
    {u"京M", {u"", Same, u"", Lists}}, // L1: 中央国家机关使用; L2: 北京市
    {u"京N", {u"", Same, u"", None}}, // L1: 中央国家机关使用; L2 lacks it
    {u"京Y", {u"", Same, u"", Lists}},
    // 天津市
    {u"津A", {u"", Same, u"", Lists}},
    {u"津B", {u"", Same, u"", Lists}},
    {u"津C", {u"", Same, u"", Lists}},
    {u"津D", {u"", Same, u"", Lists}},
    {u"津E", {u"", Same, u"", Lists}}, // L1: 天津市（出租车）; L2: 天津市
    {u"津F", {u"", Same, u"", Lists}}, // L1: 天津市; L2 lacks it; [tianjin]
    {u"津G", {u"", Same, u"", Lists}}, // L1: 天津市; L2 lacks it; [tianjin]
    {u"津H", {u"", Same, u"", Lists}}, // L1: 天津市; L2 lacks it; [tianjin]
    {u"津J", {u"", Same, u"", None}}, // [tianjin] alone
    {u"津K", {u"", Same, u"", None}}, // [tianjin] alone
    {u"津L", {u"", Same, u"", None}}, // [tianjin] alone
    {u"津M", {u"", Same, u"", None}}, // [tianjin] alone
    {u"津N", {u"", Same, u"", None}}, // [tianjin] alone
    {u"津Q", {u"", Same, u"", None}}, // [tianjin] alone
    {u"津R", {u"", Same, u"", None}}, // [tianjin] alone
    // 上海市
    {u"沪A", {u"", Same, u"", Lists}},
    {u"沪B", {u"", Same, u"", Lists}},
    {u"沪C", {u"", Same, u"", Lists}},
    {u"沪D", {u"", Same, u"", Lists}},
    {u"沪R", {u"", Same, u"", Lists}}, // L1: 崇明区; L2: 上海市
    // 重庆市
    {u"渝A", {u"", Same, u"", Lists}}, // L1: 重庆市主城区
    {u"渝B", {u"", Same, u"", Lists}}, // L1: 重庆市主城区
    {u"渝C", {u"", Same, u"", Lists}}, // L1, L2: 永川区
    {u"渝F", {u"", Same, u"", Lists}}, // L1, L2: 万州区
    {u"渝G", {u"", Same, u"", Lists}}, // L1, L2: 涪陵区
    {u"渝H", {u"", Same, u"", Lists}}, // L1, L2: 黔江区
    // 黑龙江省
    {u"黑A", {u"哈尔滨市", Same, u"", Lists}},
    {u"黑B", {u"齐齐哈尔市", Same, u"", Lists}},
    {u"黑C", {u"牡丹江市", Same, u"", Lists}},
    {u"黑D", {u"佳木斯市", Same, u"", Lists}},
    {u"黑E", {u"大庆市", Same, u"", Lists}},
    {u"黑F", {u"伊春市", Same, u"", Lists}},
    {u"黑G", {u"鸡西市", Same, u"", Lists}},
    {u"黑H", {u"鹤岗市", Same, u"", Lists}},
    {u"黑J", {u"双鸭山市", Same, u"", Lists}},
    {u"黑K", {u"七台河市", Same, u"", Lists}},
    {u"黑L", {u"哈尔滨市", Changed, u"松花江地区已并入哈尔滨市", Lists}}, // L1: 松花江地区（已并入哈尔滨市）; L2: 松花江地区
    {u"黑M", {u"绥化市", Same, u"", Lists}},
    {u"黑N", {u"黑河市", Same, u"", Lists}},
    {u"黑P", {u"大兴安岭地区", Same, u"", Lists}},
    {u"黑R", {u"黑龙江农垦系统", Same, u"", Lists}},
    // 吉林省
    {u"吉A", {u"长春市", Same, u"", Lists}},
    {u"吉B", {u"吉林市", Same, u"", Lists}},
    {u"吉C", {u"四平市", Same, u"", Lists}},
    {u"吉D", {u"辽源市", Same, u"", Lists}},
    {u"吉E", {u"通化市", Same, u"", Lists}},
    {u"吉F", {u"白山市", Same, u"", Lists}},
    {u"吉G", {u"白城市", Same, u"", Lists}},
    {u"吉H", {u"延边朝鲜族自治州", Same, u"", Lists}},
    {u"吉J", {u"松原市", Same, u"", Lists}},
    // 辽宁省
    {u"辽A", {u"沈阳市", Same, u"", Lists}},
    {u"辽B", {u"大连市", Same, u"", Lists}},
    {u"辽C", {u"鞍山市", Same, u"", Lists}},
    {u"辽D", {u"抚顺市", Same, u"", Lists}},
    {u"辽E", {u"本溪市", Same, u"", Lists}},
    {u"辽F", {u"丹东市", Same, u"", Lists}},
    {u"辽G", {u"锦州市", Same, u"", Lists}},
    {u"辽H", {u"营口市", Same, u"", Lists}},
    {u"辽J", {u"阜新市", Same, u"", Lists}},
    {u"辽K", {u"辽阳市", Same, u"", Lists}},
    {u"辽L", {u"盘锦市", Same, u"", Lists}},
    {u"辽M", {u"铁岭市", Same, u"", Lists}},
    {u"辽N", {u"朝阳市", Same, u"", Lists}},
    {u"辽P", {u"葫芦岛市", Same, u"", Lists}},
    {u"辽V", {u"", Same, u"", None}}, // L1: 省直机关; L2 lacks it; sources split
    // 河北省
    {u"冀A", {u"石家庄市", Same, u"", Lists}},
    {u"冀B", {u"唐山市", Same, u"", Lists}},
    {u"冀C", {u"秦皇岛市", Same, u"", Lists}},
    {u"冀D", {u"邯郸市", Same, u"", Lists}},
    {u"冀E", {u"邢台市", Same, u"", Lists}},
    {u"冀F", {u"保定市", Same, u"", Lists}},
    {u"冀G", {u"张家口市", Same, u"", Lists}},
    {u"冀H", {u"承德市", Same, u"", Lists}},
    {u"冀J", {u"沧州市", Same, u"", Lists}},
    {u"冀R", {u"廊坊市", Same, u"", Lists}},
    {u"冀T", {u"衡水市", Same, u"", Lists}},
    // 河南省
    {u"豫A", {u"郑州市", Same, u"", Lists}},
    {u"豫B", {u"开封市", Same, u"", Lists}},
    {u"豫C", {u"洛阳市", Same, u"", Lists}},
    {u"豫D", {u"平顶山市", Same, u"", Lists}},
    {u"豫E", {u"安阳市", Same, u"", Lists}},
    {u"豫F", {u"鹤壁市", Same, u"", Lists}},
    {u"豫G", {u"新乡市", Same, u"", Lists}},
    {u"豫H", {u"焦作市", Same, u"", Lists}},
    {u"豫J", {u"濮阳市", Same, u"", Lists}},
    {u"豫K", {u"许昌市", Same, u"", Lists}},
    {u"豫L", {u"漯河市", Same, u"", Lists}},
    {u"豫M", {u"三门峡市", Same, u"", Lists}},
    {u"豫N", {u"商丘市", Same, u"", Lists}},
    {u"豫P", {u"周口市", Same, u"", Lists}},
    {u"豫Q", {u"驻马店市", Same, u"", Lists}},
    {u"豫R", {u"南阳市", Same, u"", Lists}},
    {u"豫S", {u"信阳市", Same, u"", Lists}},
    {u"豫U", {u"济源市", Same, u"", Lists}},
    // 山西省
    {u"晋A", {u"太原市", Same, u"", Lists}},
    {u"晋B", {u"大同市", Same, u"", Lists}},
    {u"晋C", {u"阳泉市", Same, u"", Lists}},
    {u"晋D", {u"长治市", Same, u"", Lists}},
    {u"晋E", {u"晋城市", Same, u"", Lists}},
    {u"晋F", {u"朔州市", Same, u"", Lists}},
    {u"晋G", {u"", Same, u"", None}}, // a letter of the lists that no source gives today
    {u"晋H", {u"忻州市", Same, u"", Lists}},
    {u"晋J", {u"吕梁市", Same, u"", Lists}},
    {u"晋K", {u"晋中市", Same, u"", Lists}},
    {u"晋L", {u"临汾市", Same, u"", Lists}},
    {u"晋M", {u"运城市", Same, u"", Lists}},
    // 山东省
    {u"鲁A", {u"济南市", Same, u"", Lists}},
    {u"鲁B", {u"青岛市", Same, u"", Lists}},
    {u"鲁C", {u"淄博市", Same, u"", Lists}},
    {u"鲁D", {u"枣庄市", Same, u"", Lists}},
    {u"鲁E", {u"东营市", Same, u"", Lists}},
    {u"鲁F", {u"烟台市", Same, u"", Lists}},
    {u"鲁G", {u"潍坊市", Same, u"", Lists}},
    {u"鲁H", {u"济宁市", Same, u"", Lists}},
    {u"鲁J", {u"泰安市", Same, u"", Lists}},
    {u"鲁K", {u"威海市", Same, u"", Lists}},
    {u"鲁L", {u"日照市", Same, u"", Lists}},
    {u"鲁M", {u"滨州市", Changed, u"公开名单均作滨州", Lists}}, // L1, L2; 莱芜 was 鲁S [jinan]
    {u"鲁N", {u"德州市", Same, u"", Lists}},
    {u"鲁P", {u"聊城市", Same, u"", Lists}},
    {u"鲁Q", {u"临沂市", Same, u"", Lists}},
    {u"鲁R", {u"菏泽市", Same, u"", Lists}},
    {u"鲁S", {u"济南市", Same, u"", Notice}}, // [jinan]
    {u"鲁U", {u"青岛市", Changed, u"今为青岛市的第二代号", Notice}}, // [jinan]
    {u"鲁V", {u"潍坊市", Same, u"", Notice}}, // [jinan]
    {u"鲁Y", {u"烟台市", Same, u"", Notice}}, // [jinan]
    // 湖北省
    {u"鄂A", {u"武汉市", Same, u"", Lists}},
    {u"鄂B", {u"黄石市", Same, u"", Lists}},
    {u"鄂C", {u"十堰市", Same, u"", Lists}},
    {u"鄂D", {u"荆州市", Changed, u"", Lists}},
    {u"鄂E", {u"宜昌市", Same, u"", Lists}},
    {u"鄂F", {u"襄阳市", Changed, u"襄樊市2010年更名襄阳市", PlacePage}}, // [xiangyang]
    {u"鄂G", {u"鄂州市", Same, u"", Lists}},
    {u"鄂H", {u"荆门市", Same, u"", Lists}},
    {u"鄂J", {u"黄冈市", Same, u"", Lists}},
    {u"鄂K", {u"孝感市", Same, u"", Lists}},
    {u"鄂L", {u"咸宁市", Same, u"", Lists}},
    {u"鄂M", {u"仙桃市", Changed, u"公开名单均作仙桃", Lists}},
    {u"鄂N", {u"潜江市", Changed, u"", Lists}},
    {u"鄂P", {u"神农架林区", Changed, u"公开名单均作神农架林区", Lists}},
    {u"鄂Q", {u"恩施土家族苗族自治州", Changed, u"", Lists}},
    {u"鄂R", {u"天门市", Same, u"", Lists}},
    {u"鄂S", {u"随州市", Same, u"", Lists}},
    {u"鄂W", {u"武汉市", Same, u"", Notice}}, // [wuhan]
    // 湖南省
    {u"湘A", {u"长沙市", Same, u"", Lists}},
    {u"湘B", {u"株洲市", Same, u"", Lists}},
    {u"湘C", {u"湘潭市", Same, u"", Lists}},
    {u"湘D", {u"衡阳市", Same, u"", Lists}},
    {u"湘E", {u"邵阳市", Same, u"", Lists}},
    {u"湘F", {u"岳阳市", Same, u"", Lists}},
    {u"湘G", {u"张家界市", Changed, u"大庸市1994年更名张家界市", PlacePage}}, // [zhangjiajie]
    {u"湘H", {u"益阳市", Same, u"", Lists}},
    {u"湘J", {u"常德市", Same, u"", Lists}},
    {u"湘K", {u"娄底市", Same, u"", Lists}},
    {u"湘L", {u"郴州市", Same, u"", Lists}},
    {u"湘M", {u"永州市", Changed, u"", Lists}},
    {u"湘N", {u"怀化市", Same, u"", Lists}},
    {u"湘P", {u"", Gone, u"湘西土家族苗族自治州今用湘U", Lists}}, // neither list has 湘P
    {u"湘U", {u"湘西土家族苗族自治州", Same, u"", Lists}},
    // 陕西省
    {u"陕A", {u"西安市", Same, u"", Lists}},
    {u"陕B", {u"铜川市", Same, u"", Lists}},
    {u"陕C", {u"宝鸡市", Same, u"", Lists}},
    {u"陕D", {u"咸阳市", Same, u"", Lists}},
    {u"陕E", {u"渭南市", Same, u"", Lists}},
    {u"陕F", {u"汉中市", Same, u"", Lists}},
    {u"陕G", {u"安康市", Same, u"", Lists}},
    {u"陕H", {u"商洛市", Same, u"", Lists}},
    {u"陕J", {u"延安市", Same, u"", Lists}},
    {u"陕K", {u"榆林市", Same, u"", Lists}},
    {u"陕U", {u"西安市", Changed, u"原省直机关代号，2020年4月起为西安市的第二代号", Notice}}, // [xian]
    {u"陕V", {u"杨凌示范区", Same, u"", Lists}}, // L1: 杨凌高新农业示范区; L2: 杨凌区
    // 甘肃省
    {u"甘A", {u"兰州市", Same, u"", Lists}},
    {u"甘B", {u"嘉峪关市", Same, u"", Lists}},
    {u"甘C", {u"金昌市", Same, u"", Lists}},
    {u"甘D", {u"白银市", Same, u"", Lists}},
    {u"甘E", {u"天水市", Same, u"", Lists}},
    {u"甘F", {u"酒泉市", Same, u"", Lists}},
    {u"甘G", {u"张掖市", Same, u"", Lists}},
    {u"甘H", {u"武威市", Same, u"", Lists}},
    {u"甘J", {u"定西市", Same, u"", Lists}}, // L1: 定西地区
    {u"甘K", {u"陇南市", Same, u"", Lists}}, // L1: 陇南地区
    {u"甘L", {u"平凉市", Same, u"", Lists}},
    {u"甘M", {u"庆阳市", Same, u"", Lists}},
    {u"甘N", {u"临夏回族自治州", Same, u"", Lists}},
    {u"甘P", {u"甘南藏族自治州", Same, u"", Lists}},
    // 四川省
    {u"川A", {u"成都市", Same, u"", Lists}},
    {u"川B", {u"绵阳市", Same, u"", Lists}},
    {u"川C", {u"自贡市", Same, u"", Lists}},
    {u"川D", {u"攀枝花市", Same, u"", Lists}},
    {u"川E", {u"泸州市", Same, u"", Lists}},
    {u"川F", {u"德阳市", Same, u"", Lists}},
    {u"川G", {u"成都市", Changed, u"2022年起为成都市的第二代号", Notice}}, // [chengdu]
    {u"川H", {u"广元市", Same, u"", Lists}},
    {u"川J", {u"遂宁市", Same, u"", Lists}},
    {u"川K", {u"内江市", Same, u"", Lists}},
    {u"川L", {u"乐山市", Same, u"", Lists}},
    {u"川M", {u"资阳市", Same, u"", Lists}},
    {u"川Q", {u"宜宾市", Same, u"", Lists}},
    {u"川R", {u"南充市", Same, u"", Lists}},
    {u"川S", {u"达州市", Changed, u"", Lists}},
    {u"川T", {u"雅安市", Same, u"", Lists}},
    {u"川U", {u"阿坝藏族羌族自治州", Same, u"", Lists}},
    {u"川V", {u"甘孜藏族自治州", Same, u"", Lists}},
    {u"川W", {u"凉山彝族自治州", Same, u"", Lists}},
    {u"川X", {u"广安市", Same, u"", Lists}},
    {u"川Y", {u"巴中市", Same, u"", Lists}},
    {u"川Z", {u"眉山市", Same, u"", Lists}},
    // 江苏省
    {u"苏A", {u"南京市", Same, u"", Lists}},
    {u"苏B", {u"无锡市", Same, u"", Lists}},
    {u"苏C", {u"徐州市", Same, u"", Lists}},
    {u"苏D", {u"常州市", Same, u"", Lists}},
    {u"苏E", {u"苏州市", Same, u"", Lists}},
    {u"苏F", {u"南通市", Same, u"", Lists}},
    {u"苏G", {u"连云港市", Same, u"", Lists}},
    {u"苏H", {u"淮安市", Changed, u"淮阴市2001年更名淮安市", PlacePage}}, // [huaian]
    {u"苏J", {u"盐城市", Same, u"", Lists}},
    {u"苏K", {u"扬州市", Same, u"", Lists}},
    {u"苏L", {u"镇江市", Same, u"", Lists}},
    {u"苏M", {u"泰州市", Same, u"", Lists}},
    {u"苏N", {u"宿迁市", Same, u"", Lists}},
    {u"苏U", {u"苏州市", Same, u"", Notice}}, // [suzhou]
    // 浙江省
    {u"浙A", {u"杭州市", Same, u"", Lists}},
    {u"浙B", {u"宁波市", Same, u"", Lists}},
    {u"浙C", {u"温州市", Same, u"", Lists}},
    {u"浙D", {u"绍兴市", Same, u"", Lists}},
    {u"浙E", {u"湖州市", Same, u"", Lists}},
    {u"浙F", {u"嘉兴市", Same, u"", Lists}},
    {u"浙G", {u"金华市", Same, u"", Lists}},
    {u"浙H", {u"衢州市", Same, u"", Lists}},
    {u"浙J", {u"台州市", Same, u"", Lists}},
    {u"浙K", {u"丽水市", Same, u"", Lists}},
    {u"浙L", {u"舟山市", Same, u"", Lists}},
    // 安徽省
    {u"皖A", {u"合肥市", Same, u"", Lists}},
    {u"皖B", {u"芜湖市", Same, u"", Lists}},
    {u"皖C", {u"蚌埠市", Same, u"", Lists}},
    {u"皖D", {u"淮南市", Same, u"", Lists}},
    {u"皖E", {u"马鞍山市", Same, u"", Lists}},
    {u"皖F", {u"淮北市", Same, u"", Lists}},
    {u"皖G", {u"铜陵市", Same, u"", Lists}},
    {u"皖H", {u"安庆市", Same, u"", Lists}},
    {u"皖J", {u"黄山市", Same, u"", Lists}},
    {u"皖K", {u"阜阳市", Same, u"", Lists}},
    {u"皖L", {u"宿州市", Same, u"", Lists}},
    {u"皖M", {u"滁州市", Same, u"", Lists}},
    {u"皖N", {u"六安市", Same, u"", Lists}},
    {u"皖P", {u"宣城市", Same, u"", Lists}},
    {u"皖Q", {u"", Gone, u"地级巢湖市2011年撤销，今县级巢湖市用皖A", PlacePage}}, // [chaohu]
    {u"皖R", {u"池州市", Same, u"", Lists}},
    {u"皖S", {u"亳州市", Same, u"", Lists}},
    // 江西省
    {u"赣A", {u"南昌市", Same, u"", Lists}},
    {u"赣B", {u"赣州市", Same, u"", Lists}},
    {u"赣C", {u"宜春市", Same, u"", Lists}}, // L1: 宜春市; L2 gives 吉安市 to both C and D, a slip
    {u"赣D", {u"吉安市", Same, u"", Lists}},
    {u"赣E", {u"上饶市", Same, u"", Lists}},
    {u"赣F", {u"抚州市", Same, u"", Lists}},
    {u"赣G", {u"九江市", Same, u"", Lists}},
    {u"赣H", {u"景德镇市", Same, u"", Lists}},
    {u"赣J", {u"萍乡市", Same, u"", Lists}},
    {u"赣K", {u"新余市", Same, u"", Lists}},
    {u"赣L", {u"鹰潭市", Same, u"", Lists}},
    // 宁夏回族自治区
    {u"宁A", {u"银川市", Same, u"", Lists}}, // L2: 宁川市, a slip
    {u"宁B", {u"石嘴山市", Same, u"", Lists}},
    {u"宁C", {u"吴忠市", Changed, u"", Lists}}, // L2: 银南市
    {u"宁D", {u"固原市", Same, u"", Lists}},
    {u"宁E", {u"中卫市", Same, u"", Lists}},
    // 福建省
    {u"闽A", {u"福州市", Same, u"", Lists}},
    {u"闽B", {u"莆田市", Same, u"", Lists}},
    {u"闽C", {u"泉州市", Same, u"", Lists}},
    {u"闽D", {u"厦门市", Same, u"", Lists}},
    {u"闽E", {u"漳州市", Same, u"", Lists}},
    {u"闽F", {u"龙岩市", Same, u"", Lists}},
    {u"闽G", {u"三明市", Same, u"", Lists}},
    {u"闽H", {u"南平市", Same, u"", Lists}},
    {u"闽J", {u"宁德市", Same, u"", Lists}},
    {u"闽K", {u"", Same, u"", None}}, // L1: 省直系统，平潭; L2: 省直系统; sources split
    // 广东省
    {u"粤A", {u"广州市", Same, u"", Lists}},
    {u"粤B", {u"深圳市", Same, u"", Lists}},
    {u"粤C", {u"珠海市", Same, u"", Lists}},
    {u"粤D", {u"汕头市", Same, u"", Lists}},
    {u"粤E", {u"佛山市", Same, u"", Lists}},
    {u"粤F", {u"韶关市", Same, u"", Lists}},
    {u"粤G", {u"湛江市", Same, u"", Lists}},
    {u"粤H", {u"肇庆市", Same, u"", Lists}},
    {u"粤J", {u"江门市", Same, u"", Lists}},
    {u"粤K", {u"茂名市", Same, u"", Lists}},
    {u"粤L", {u"惠州市", Same, u"", Lists}},
    {u"粤M", {u"梅州市", Same, u"", Lists}},
    {u"粤N", {u"汕尾市", Same, u"", Lists}},
    {u"粤P", {u"河源市", Same, u"", Lists}},
    {u"粤Q", {u"阳江市", Same, u"", Lists}},
    {u"粤R", {u"清远市", Same, u"", Lists}},
    {u"粤S", {u"东莞市", Same, u"", Lists}},
    {u"粤T", {u"中山市", Same, u"", Lists}},
    {u"粤U", {u"潮州市", Same, u"", Lists}},
    {u"粤V", {u"揭阳市", Same, u"", Lists}},
    {u"粤W", {u"云浮市", Same, u"", Lists}},
    {u"粤X", {u"佛山市顺德区", Changed, u"顺德市2002年撤市设区，今属佛山市", PlacePage}}, // [foshan]
    {u"粤Y", {u"佛山市南海区", Changed, u"南海市2002年撤市设区，今属佛山市", PlacePage}}, // [foshan]
    {u"粤Z", {u"", Same, u"", Lists}}, // L1: 香港澳门进入内地车辆; L2: 港澳进入内地车辆
    // 广西壮族自治区
    {u"桂A", {u"南宁市", Same, u"", Lists}},
    {u"桂B", {u"柳州市", Same, u"", Lists}},
    {u"桂C", {u"桂林市", Same, u"", Lists}},
    {u"桂D", {u"梧州市", Same, u"", Lists}},
    {u"桂E", {u"北海市", Same, u"", Lists}},
    {u"桂F", {u"崇左市", Changed, u"南宁今用桂A", Lists}}, // L1: 南宁地区; L2: 崇左市
    {u"桂G", {u"来宾市", Changed, u"柳州今用桂B", Lists}}, // L1: 柳州地区; L2: 来宾市
    {u"桂H", {u"桂林市", Same, u"", Lists}},
    {u"桂J", {u"贺州市", Changed, u"公开名单均作贺州", Lists}},
    {u"桂K", {u"玉林市", Same, u"", Lists}},
    {u"桂L", {u"百色市", Same, u"", Lists}},
    {u"桂M", {u"河池市", Same, u"", Lists}},
    {u"桂N", {u"钦州市", Same, u"", Lists}},
    {u"桂P", {u"防城港市", Changed, u"", Lists}},
    {u"桂R", {u"贵港市", Same, u"", Lists}},
    // 内蒙古自治区
    {u"蒙A", {u"呼和浩特市", Same, u"", Lists}},
    {u"蒙B", {u"包头市", Same, u"", Lists}},
    {u"蒙C", {u"乌海市", Same, u"", Lists}},
    {u"蒙D", {u"赤峰市", Same, u"", Lists}},
    {u"蒙E", {u"呼伦贝尔市", Same, u"", Lists}},
    {u"蒙F", {u"兴安盟", Same, u"", Lists}},
    {u"蒙G", {u"通辽市", Changed, u"公开名单均作通辽", Lists}},
    {u"蒙H", {u"锡林郭勒盟", Changed, u"公开名单均作锡林郭勒盟", Lists}},
    {u"蒙J", {u"乌兰察布市", Changed, u"公开名单均作乌兰察布", Lists}}, // L1: 乌兰察布盟
    {u"蒙K", {u"鄂尔多斯市", Changed, u"公开名单均作鄂尔多斯", Lists}},
    {u"蒙L", {u"巴彦淖尔市", Changed, u"公开名单均作巴彦淖尔", Lists}}, // L1: 巴彦淖尔盟
    {u"蒙M", {u"阿拉善盟", Same, u"", Lists}},
    // 新疆维吾尔自治区
    {u"新A", {u"乌鲁木齐市", Same, u"", Lists}},
    {u"新B", {u"昌吉回族自治州", Same, u"", Lists}},
    {u"新C", {u"石河子市", Same, u"", Lists}},
    {u"新D", {u"奎屯市", Same, u"", Lists}},
    {u"新E", {u"博尔塔拉蒙古自治州", Same, u"", Lists}},
    {u"新F", {u"伊犁哈萨克自治州", Same, u"", Lists}},
    {u"新G", {u"塔城地区", Same, u"", Lists}},
    {u"新H", {u"阿勒泰地区", Same, u"", Lists}},
    {u"新J", {u"克拉玛依市", Same, u"", Lists}},
    {u"新K", {u"吐鲁番市", Same, u"", Lists}}, // L1: 吐鲁番地区
    {u"新L", {u"哈密市", Same, u"", Lists}}, // L1: 哈密地区
    {u"新M", {u"巴音郭楞蒙古自治州", Same, u"", Lists}}, // L2: 巴音郭愣, a slip
    {u"新N", {u"阿克苏地区", Same, u"", Lists}},
    {u"新P", {u"克孜勒苏柯尔克孜自治州", Same, u"", Lists}},
    {u"新Q", {u"喀什地区", Same, u"", Lists}},
    {u"新R", {u"和田地区", Same, u"", Lists}},
    // 青海省
    {u"青A", {u"西宁市", Same, u"", Lists}},
    {u"青B", {u"", Same, u"", None}}, // L1, L2: 海东地区; whether it is a 市 today, no page found says
    {u"青C", {u"海北藏族自治州", Same, u"", Lists}},
    {u"青D", {u"黄南藏族自治州", Same, u"", Lists}},
    {u"青E", {u"海南藏族自治州", Same, u"", Lists}},
    {u"青F", {u"果洛藏族自治州", Same, u"", Lists}},
    {u"青G", {u"玉树藏族自治州", Same, u"", Lists}},
    {u"青H", {u"海西蒙古族藏族自治州", Same, u"", Lists}},
    // 西藏自治区
    {u"藏A", {u"拉萨市", Same, u"", Lists}},
    {u"藏B", {u"昌都市", Same, u"", PlacePage}}, // L1, L2: 昌都地区 [qamdo]
    {u"藏C", {u"山南市", Same, u"", Lists}}, // L1: 山南地区
    {u"藏D", {u"日喀则市", Same, u"", Lists}}, // L1: 日喀则地区
    {u"藏E", {u"那曲市", Same, u"", PlacePage}}, // L1, L2: 那曲地区 [nagqu]
    {u"藏F", {u"阿里地区", Same, u"", Lists}},
    {u"藏G", {u"林芝市", Same, u"", Lists}}, // L1: 林芝地区
    {u"藏H", {u"驻四川省天全县车辆管理所", Same, u"", Lists}},
    {u"藏J", {u"驻青海省格尔木市车辆管理所", Same, u"", Lists}},
    // 云南省
    {u"云A", {u"昆明市", Same, u"", Lists}},
    {u"云B", {u"", Gone, u"地级东川市已撤销，今为昆明市东川区", PlacePage}}, // [dongchuan]
    {u"云C", {u"昭通市", Same, u"", Lists}},
    {u"云D", {u"曲靖市", Same, u"", Lists}},
    {u"云E", {u"楚雄彝族自治州", Same, u"", Lists}},
    {u"云F", {u"玉溪市", Same, u"", Lists}},
    {u"云G", {u"红河哈尼族彝族自治州", Same, u"", Lists}},
    {u"云H", {u"文山壮族苗族自治州", Same, u"", Lists}},
    {u"云J", {u"普洱市", Changed, u"思茅市2007年更名普洱市", PlacePage}}, // [puer]
    {u"云K", {u"西双版纳傣族自治州", Same, u"", Lists}},
    {u"云L", {u"大理白族自治州", Same, u"", Lists}},
    {u"云M", {u"保山市", Same, u"", Lists}},
    {u"云N", {u"德宏傣族景颇族自治州", Same, u"", Lists}},
    {u"云P", {u"丽江市", Same, u"", Lists}},
    {u"云Q", {u"怒江傈僳族自治州", Same, u"", Lists}},
    {u"云R", {u"迪庆藏族自治州", Same, u"", Lists}},
    {u"云S", {u"临沧市", Same, u"", Lists}}, // L1: 临沧地区
    // 海南省
    {u"琼A", {u"海口市", Same, u"", Lists}},
    {u"琼B", {u"三亚市", Same, u"", Lists}},
    {u"琼C", {u"", Same, u"", None}}, // L1: 三沙市; L2, [hainan]: 琼海市; sources split
    {u"琼D", {u"五指山市", Same, u"", Lists}}, // L1, L2 (written "琼D" there), [hainan]
    {u"琼E", {u"洋浦开发区", Same, u"", Lists}},
    {u"琼F", {u"儋州市", Same, u"", Lists}}, // L1 and [hainan]; L2 lacks it
    // 贵州省
    {u"贵A", {u"贵阳市", Same, u"", Lists}},
    {u"贵B", {u"六盘水市", Same, u"", Lists}},
    {u"贵C", {u"遵义市", Same, u"", Lists}},
    {u"贵D", {u"铜仁市", Same, u"", PlacePage}}, // L1, L2: 铜仁地区, made 铜仁市 in 2011 [tongren]
    {u"贵E", {u"黔西南布依族苗族自治州", Same, u"", Lists}},
    {u"贵F", {u"毕节市", Same, u"", PlacePage}}, // L1, L2: 毕节地区, made 毕节市 in 2011 [tongren]
    {u"贵G", {u"安顺市", Same, u"", Lists}},
    {u"贵H", {u"黔东南苗族侗族自治州", Same, u"", Lists}},
    {u"贵J", {u"黔南布依族苗族自治州", Same, u"", Lists}},
});
// clang-format on

// A letter no longer issued has no place today; every other row says something of the place.
consteval bool rowsAreWhole()
{
    for (const auto &row : kToday.rows()) {
        if (row.key.size() != 2 || row.key[1] < u'A' || row.key[1] > u'Z')
            return false;
        const Meaning &m = row.value;
        if (m.status == NoLongerIssued && (!m.place.empty() || m.change.empty()))
            return false;
        if (m.evidence == None && !m.place.empty())
            return false;
    }
    return true;
}
static_assert(rowsAreWhole());

constexpr auto kRows = [] {
    std::array<Row, kToday.size()> out{};
    for (std::size_t i = 0; i < kToday.size(); ++i)
        out[i] = {kToday.rows()[i].key, kToday.rows()[i].value};
    return out;
}();

} // namespace

std::optional<Meaning> find(QStringView province, QStringView letter) noexcept
{
    return kToday.find(province, letter);
}

std::span<const Row> rows() noexcept
{
    return kRows;
}

bool placeNameAt(std::u16string_view text, std::size_t at) noexcept
{
    if (at + 2 > text.size())
        return false;
    const std::u16string_view start = text.substr(at, 2);
    for (const Row &row : kRows) {
        if (row.meaning.place.starts_with(start))
            return true;
    }
    return false;
}

} // namespace korvanta::today
