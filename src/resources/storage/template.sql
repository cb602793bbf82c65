-- The built-in template of data/data.mdb: schema and sample rows, in the
-- column types of the first release so that the start-up migrations apply.
CREATE TABLE 菜单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 代码 VARCHAR(8), 字母 VARCHAR(16), 菜名 VARCHAR(32), 价格 DOUBLE, 单位 VARCHAR(8));
CREATE TABLE 存单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 INTEGER, 票头 VARCHAR(32), 店铺名称 VARCHAR(32), 时间 DATETIME, 减免 VARCHAR(32), 减免份数 SHORT, 减免金额 DECIMAL(18,0), 合计 SINGLE, 支付方式 VARCHAR(255), 已付 DECIMAL(18,0), 实付 DECIMAL(18,0), 桌号 VARCHAR(32), 电话 VARCHAR(16), 姓名 VARCHAR(16), 地址 VARCHAR(255), 是否结算 BIT);
CREATE TABLE 存单详单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 存单ID INTEGER, 销售时间 DATETIME, 菜名 VARCHAR(32), 数量 SHORT, 单位 VARCHAR(8), 小计 SINGLE);
CREATE TABLE 客户 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 电话 VARCHAR(16), 姓名 VARCHAR(16), 地址 VARCHAR(255), 最近订餐日期 DATETIME, 订餐次数 SHORT);
CREATE TABLE 桌号 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 代号 VARCHAR(8), 桌号名称 VARCHAR(24));
CREATE TABLE 票头设置 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 票头 VARCHAR(32));
CREATE TABLE 店名 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 店铺名称 VARCHAR(32));
CREATE TABLE 减免 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 减免名称 VARCHAR(16));
CREATE TABLE 单位 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 单位名称 VARCHAR(8));
CREATE TABLE 记录 (记录内容 VARCHAR(16), 记录信息 VARCHAR(255));
CREATE INDEX 存单ID ON 存单详单 (存单ID);
CREATE INDEX 存单时间 ON 存单 (时间);
CREATE INDEX 客户电话 ON 客户 (电话);
INSERT INTO 菜单 (ID, 代码, 字母, 菜名, 价格, 单位) VALUES
 (1,'001','hspgf','红烧排骨饭',18,'份'), (2,'002','qzdj','茄子豆角',14,'份'),
 (3,'003','xhscd','西红柿炒蛋',13,'份'), (4,'004','jzgrp','金针菇肉片',16,'份'),
 (5,'005','bcrsj','白菜肉水饺',15.5,'份'), (6,'006','xgzrsj','香菇猪肉水饺',16,'碗'),
 (7,'007','dczrsj','大葱猪肉水饺',16,'份'), (8,'008','yxxg','攸县香干',14,'份'),
 (9,'009','mdrp','毛豆肉片',15,'份'), (10,'010','wslr','莴笋腊肉',16,'份'),
 (11,'011','qcxg','芹菜香干',15,'份'), (12,'012','zzmy','支竹焖鸭',18,'份'),
 (13,'013','htsd','火腿双蛋',14,'份'), (14,'014','hsyk','红烧鱼块',16,'份'),
 (15,'015','scy','酸菜鱼',16,'份'), (16,'016','hcrp','花菜肉片',15,'碗'),
 (17,'017','gbsjd','干煸四季度',13,'份'), (18,'018','njywx','农家一碗香',15,'份'),
 (19,'019','yxrs','鱼香肉丝',13,'份'), (20,'101','xhcs','雪花纯生',8,'瓶'),
 (21,'102','qdcs','青岛纯生',8,'瓶'), (22,'103','xplj','小瓶郎酒',15,'瓶'),
 (23,'104','wznn','旺仔牛奶',5,'瓶'), (24,'201','frwxyhs','芙蓉王香烟黄色',25,'包'),
 (25,'202','frwxylsyh','芙蓉王香烟蓝色硬盒',35,'包'), (26,'203','jpfrw','极品芙蓉王',65,'包'),
 (27,'105','wlj','王老吉',3.5,'瓶'), (28,'108','kxc','空心菜',18,'份');
INSERT INTO 桌号 (ID, 代号, 桌号名称) VALUES
 (1,'1','号牌 1'), (2,'2','号牌 2'), (3,'3','号牌 3'), (4,'4','号牌 4'), (5,'5','号牌 5'),
 (6,'6','号牌 6'), (7,'7','号牌 7'), (8,'8','号牌 8'), (9,'9','号牌 9'), (10,'10','号牌 10'),
 (31,'101','桌号 2楼1桌'), (32,'102','桌号 2楼2桌'), (33,'103','桌号 2楼3桌'), (34,'104','桌号 2楼4桌'),
 (41,'201','包厢 滕王阁'), (42,'202','包厢 岳阳楼'), (43,'203','包厢 黄鹤楼'), (44,'204','包厢 蓬莱阁');
INSERT INTO 票头设置 (ID, 票头) VALUES (1,'饿了么(第1联)'), (2,'美团(第1联)'), (3,'百度外卖(第1联)'),
 (4,'淘点点'), (6,'自助快餐'), (7,'微信点餐'), (8,'欢迎光临');
INSERT INTO 店名 (ID, 店铺名称) VALUES (1,'dediro'), (2,'老北方饺子馆'), (3,'农家大碗茶'), (5,'白云快餐'), (7,'微信外卖');
INSERT INTO 减免 (ID, 减免名称) VALUES (1,'立减优惠'), (2,'整单折扣'), (5,'开业酬宾'), (6,'开学优惠');
INSERT INTO 单位 (ID, 单位名称) VALUES (1,'份'), (2,'碗'), (3,'碟'), (4,'瓶'), (5,'罐'), (6,'包'), (7,'箱'), (8,'串'), (9,'个'), (11,'盒');
