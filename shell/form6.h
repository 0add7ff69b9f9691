#pragma once
// Information page: what the program is and the codes it follows.

#include "model/screen.h"

namespace shell {

using namespace model;

class Form6 : public Screen {
public:
    explicit Form6(App& app);
    void Form_Load() override;

    Label Label1{*this, "Label1", at(0, 0)};
    Label Label2{*this, "Label2", at(1, 0)};
    Label Label3{*this, "Label3", at(2, 0)};
    Label Label4{*this, "Label4", at(3, 0)};
    Label Label5{*this, "Label5", at(4, 0),
                 "本程序不读取任何文件，也不连接网络；只在导出计算书时写入用户选定的PDF文件。"
                 "所输入的数据只保存在各计算窗口中，关闭程序后不保留。"};
};

} // namespace shell
