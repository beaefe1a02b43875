-- The plan table shared by yueshi and yueshi_jk. The field order is binding.
CREATE TABLE myproject (
    "ID"   INTEGER PRIMARY KEY AUTOINCREMENT,
    "类型" TEXT NOT NULL DEFAULT '',
    "星期" TEXT NOT NULL DEFAULT '',
    "日期" TEXT NOT NULL DEFAULT '',
    "时间" TEXT NOT NULL DEFAULT '',
    "路径" TEXT NOT NULL DEFAULT '',
    "内容" TEXT NOT NULL DEFAULT '',
    "备注" TEXT NOT NULL DEFAULT ''
);
-- The agent asks once a second for the rows due at one time text.
CREATE INDEX myproject_time ON myproject ("时间");
