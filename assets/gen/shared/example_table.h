// The 35 example pictures of the picture store: stored size, form and title.
// Plain data, read by the artwork generator, the program's resources and the editor.
#pragma once

inline constexpr int kExampleCount = 35;

struct ExampleEntry {
    int width, height;
    bool bitmap;  // stored as a 24-bit BMP, else JPEG
    const char *title;
};

inline constexpr ExampleEntry kExamples[kExampleCount] = {
    {416, 504, false, "가인과 아벨의 제사"},
    {408, 493, false, "구름기둥으로 인도하시는 하나님"},
    {391, 359, false, "나아만 장군의 일곱번 요단강에서 씻음"},
    {416, 504, false, "노아의 방주 만들기 120년"},
    {419, 505, false, "사자굴에 갇힌 다니엘"},
    {388, 293, true, "최후의 만찬"},
    {322, 358, false, "골리앗을 물리친 다윗"},
    {421, 503, false, "사무엘이 다윗에게 기름부음"},
    {418, 504, false, "라합이 이스라엘 정탐꾼을 살려줌"},
    {677, 618, false, "강물에서 건진 모세"},
    {322, 358, false, "하나님께서 직접 십계명을 쓰시고 모세에게 주셨다"},
    {414, 484, false, "하나님께서 무지개로 다시는 물심판을 하지 않으시겠다고 약속하심"},
    {322, 358, false, "바벨탑을 쌓아 하나님께 도전하는 교만한 사람들"},
    {388, 293, false, "광야에서 불기둥으로 인도하시는 하나님"},
    {322, 358, false, "야곱이 잘 때 꿈속에 나타난 천사와 사다리"},
    {388, 293, false, "에스더가 아닥사스다왕의 금홀을 만짐"},
    {322, 358, false, "엘리야에게 까마귀가 떡과 고기를 물어다 줌"},
    {535, 566, false, "불병거를 타고 하늘로 올라가는 엘리야"},
    {388, 293, false, "무너지는 여리고성"},
    {535, 505, false, "모세를 통해 홍해를 갈라지게 하시는 하나님"},
    {322, 358, true, "겟세마네 동산에서 기도하시는 예수님"},
    {419, 478, true, "돌에 맞아 순교하는 스데반집사"},
    {322, 358, false, "예수님을 보기 위해 뽕나무에 올라간 삭개오"},
    {674, 571, true, "회당장 야이로의 딸을 살리신 예수님"},
    {505, 583, false, "죽은 지 4일이 지난 나사로를 살리신 예수님"},
    {322, 358, false, "나의 죄를 대신해 십자가에 달려 죽어주신 예수님"},
    {483, 610, false, "다시오실 예수님"},
    {388, 293, false, "밤에 예수님을 찾아온 니고데모"},
    {322, 358, false, "38년된 중풍병자를 낫게하시는 예수님"},
    {388, 293, false, "예수님의 말씀을 듣는 마리아와 일하는 마르다"},
    {388, 293, false, "폭풍을 잠잠케 하시는 예수님"},
    {388, 293, false, "향유를 예수님께 붓는 마리아"},
    {388, 293, false, "예루살렘으로 입성하시는 예수님"},
    {322, 358, false, "바다에 빠진 베드로를 건져주시는 예수님"},
    {322, 358, false, "다메섹으로 가는 도중 예수님을 만나는 바울"},
};
