// Ids of the command module's dialog templates, controls and bitmaps (res/vur_cmd.rc).
// Numbers only: the resource tool reads this file as well as the compiler.
#pragma once

// Scrolling dialog container.
#define IDD_CMD_DLGCONTAINER            14013
#define IDD_CMD_DLGCONTAINER_CHILD      14015
#define IDC_PLACEHOLDER                 14119
#define IDC_CONTAINER_SCROLLBAR         14200
#define IDC_CONTAINER_CHILD_STATIC      14208

// Section editor (CCMSectItemDlg) and the number edit its pages share.
#define IDD_CMD_SECT_ITEM               14025
#define IDC_SECT_ITEM_TAB               14190
#define IDC_SECT_ITEM_CALC              14216
#define IDC_SECT_ITEM_APPLY             14258
#define IDC_SECT_ITEM_NUMBER            14155

// Section property table (CCMStiffDlg).
#define IDD_CMD_SECT_STIFF              14031
#define IDC_SECT_STIFF_GRID             14466
#define IDC_SECT_STIFF_OK               14467

// Levels page (a page of the levels dialog).
#define IDD_CMD_PLANSTORY_GENERAL2      16259
#define IDC_CMD_BTN_PLAN_ADD            16362
#define IDC_CMD_BTN_PLAN_INSERT         16363
#define IDC_CMD_BTN_PLAN_DELETE         16364
#define IDC_CMD_BTN_MDUL_ADD            16365
#define IDC_CMD_BTN_MDUL_INSERT         16366
#define IDC_CMD_BTN_MDUL_DELETE         16367
#define IDC_CMD_BTN_STOR_ADD            16368
#define IDC_CMD_BTN_STOR_INSERT         16369
#define IDC_CMD_BTN_STOR_DELETE         16370
#define IDC_CMD_GRID_PLAN               16371
#define IDC_CMD_EDIT_PLAN_NUM           16372
#define IDC_CMD_SPIN_PLAN_NUM           16373
#define IDC_CMD_GRID_MDUL               16374
#define IDC_CMD_EDIT_MDUL_NUM           16375
#define IDC_CMD_SPIN_MDUL_NUM           16376
#define IDC_CMD_GRID_STOR               16377
#define IDC_CMD_EDIT_STOR_NUM           16378
#define IDC_CMD_SPIN_STOR_NUM           16379
#define IDC_CMD_EDIT_STOR_HEIGHT        16380
#define IDC_CMD_TEXT_STOR_HEIGHT_UNIT   16381
#define IDC_CMD_EDIT_STOR_DL            16382
#define IDC_CMD_EDIT_STOR_LL            16383
#define IDC_CMD_CBX_STOR_PLAN           16384
#define IDC_CMD_TEXT_GRND_GL_UNIT       16388
#define IDC_CMD_TAB_MDUL                16391
#define IDC_CMD_BTN_GRND                16392
#define IDC_CMD_TEXT_STOR_LOAD_UNIT     16459
#define IDC_CMD_STATIC_GRND_GL          16495
#define IDC_CMD_STATIC_GRND_NUM         16496
#define IDC_CMD_STATIC_GRND_RELEASE     16497

// Basement dialog.
#define IDD_CMD_GRND                    16264
#define IDC_CMD_EDIT_STORY_NUM          16446
#define IDC_CMD_SPIN_STORY_NUM          16447
#define IDC_CMD_EDIT_GL                 16448
#define IDC_CMD_EDIT_RELEASE_NUM        16449
#define IDC_CMD_SPIN_RELEASE_NUM        16450
#define IDC_CMD_TEXT_GL_UNIT            16453

// Levels dialog and its story-material page (16362, 16377 and 16391 are also ids of the
// levels page's controls: the dialogs name them by template).
#define IDD_CMD_PLANSTORY_MAIN2         16258
#define IDD_CMD_PLANSTORY_STORMATL2     16260
#define IDC_CMD_TAB_MAIN                14118
#define IDC_CMD_BTN_MAIN_MATL           16362
#define IDC_CMD_BTN_MAIN_CLOSE          14442
#define IDC_CMD_TAB_MATL_MDUL           16391
#define IDC_CMD_GRID_STOR_MATL          16377

// Regular section page (CCMSectItemReg); its number edit is the editor pages' number edit (14155).
#define IDC_SECT_REG_NUMBER             14155
#define IDD_CMD_SECT_REG                14032
#define IDC_SECT_REG_NAME               14173
#define IDC_SECT_REG_PICTURE            14196
#define IDC_SECT_REG_VIEW               14218
#define IDC_SECT_REG_OFFSET_LABEL       14389
#define IDC_SECT_REG_OFFSET             14271
#define IDC_SECT_REG_SHAPE              14238
#define IDC_SECT_REG_USER               14493
#define IDC_SECT_REG_DB                 14494
#define IDC_SECT_REG_DBNAME             14468
#define IDC_SECT_REG_PROFILE            14475
#define IDC_SECT_REG_BUILTUP            14257
#define IDC_SECT_REG_CUT_FRAME          16461
#define IDC_SECT_REG_CUT_LABEL          16466
#define IDC_SECT_REG_CUT_FLAME          16462
#define IDC_SECT_REG_CUT_SHEAR          16463
#define IDC_SECT_REG_SINGLE_FRAME       14387
#define IDC_SECT_REG_SINGLE_LABEL       14490
#define IDC_SECT_REG_SINGLE_DB_LABEL    14491
#define IDC_SECT_REG_SINGLE_DB          14489
#define IDC_SECT_REG_SINGLE_SECT_LABEL  14492
#define IDC_SECT_REG_SINGLE_SECT        14488
#define IDC_SECT_REG_SIZE_FRAME         14388
#define IDC_SECT_REG_TITLE1             14476
#define IDC_SECT_REG_TITLE2             14477
#define IDC_SECT_REG_TITLE3             14478
#define IDC_SECT_REG_TITLE4             14479
#define IDC_SECT_REG_TITLE5             14480
#define IDC_SECT_REG_TITLE6             14481
#define IDC_SECT_REG_TITLE7             14496
#define IDC_SECT_REG_TITLE8             14502
#define IDC_SECT_REG_SIZE1              14469
#define IDC_SECT_REG_SIZE2              14470
#define IDC_SECT_REG_SIZE3              14471
#define IDC_SECT_REG_SIZE4              14472
#define IDC_SECT_REG_SIZE5              14473
#define IDC_SECT_REG_SIZE6              14474
#define IDC_SECT_REG_SIZE7              14498
#define IDC_SECT_REG_SIZE8              14504
#define IDC_SECT_REG_UNIT1              14482
#define IDC_SECT_REG_UNIT2              14483
#define IDC_SECT_REG_UNIT3              14484
#define IDC_SECT_REG_UNIT4              14485
#define IDC_SECT_REG_UNIT5              14486
#define IDC_SECT_REG_UNIT6              14487
#define IDC_SECT_REG_UNIT7              14500
#define IDC_SECT_REG_UNIT8              14505
#define IDC_SECT_REG_LIGHT_LABEL        14503
#define IDC_SECT_REG_PIECE_LABEL        14499
#define IDC_SECT_REG_PIECES             14495
#define IDC_SECT_REG_COMBO_LABEL        14501
#define IDC_SECT_REG_COMBO              14497
#define IDC_SECT_REG_PRESET_LABEL       16188
#define IDC_SECT_REG_PRESET             16187

// Section-shape pictures of the catalogue (CCMSectInfo), 25 x 25.
#define IDB_SHAPE_H                     14108
#define IDB_SHAPE_BOX                   14109
#define IDB_SHAPE_PIPE                  14110
#define IDB_SHAPE_CHANNEL               14111
#define IDB_SHAPE_TEE                   14112
#define IDB_SHAPE_ANGLE                 14113
#define IDB_SHAPE_DOUBLE_ANGLE          14115
#define IDB_SHAPE_DOUBLE_CHANNEL        14116
#define IDB_SHAPE_SOLID_RECT            14117
#define IDB_SHAPE_SOLID_ROUND           14118
#define IDB_SHAPE_CROSS                 14226
#define IDB_SHAPE_SRC_RBO               14069
#define IDB_SHAPE_SRC_RBC               14070
#define IDB_SHAPE_SRC_RPO               14071
#define IDB_SHAPE_SRC_RPC               14072
#define IDB_SHAPE_SRC_CBO               14073
#define IDB_SHAPE_SRC_CBC               14074
#define IDB_SHAPE_SRC_CPO               14075
#define IDB_SHAPE_SRC_CPC               14076
#define IDB_SHAPE_SRC_EBC               14077
#define IDB_SHAPE_SRC_EPC               14078
#define IDB_SHAPE_SRC_RHB               14079
#define IDB_SHAPE_SRC_CHB               14080
#define IDB_SHAPE_SRC_RCB               17446
#define IDB_SHAPE_SRC_RH2T              17449
#define IDB_SHAPE_TAPER_SOLID_RECT      14089
#define IDB_SHAPE_TAPER_H               14083
#define IDB_SHAPE_TAPER_TEE             14084
#define IDB_SHAPE_TAPER_BOX             14085
#define IDB_SHAPE_TAPER_PIPE            14086
#define IDB_SHAPE_TAPER_SOLID_ROUND     14090
#define IDB_SHAPE_VALUE_ANGLE           14056
#define IDB_SHAPE_VALUE_CHANNEL         14046
#define IDB_SHAPE_VALUE_H               14047
#define IDB_SHAPE_VALUE_TEE             14048
#define IDB_SHAPE_VALUE_BOX             14049
#define IDB_SHAPE_VALUE_PIPE            14050
#define IDB_SHAPE_VALUE_DOUBLE_ANGLE    14051
#define IDB_SHAPE_VALUE_DOUBLE_CHANNEL  14052
#define IDB_SHAPE_VALUE_SOLID_RECT      14053
#define IDB_SHAPE_VALUE_SOLID_ROUND     14054
#define IDB_SHAPE_COMB_2H               14008
#define IDB_SHAPE_COMB_HC1              14009
#define IDB_SHAPE_COMB_HC2              14010
#define IDB_SHAPE_COMB_HT               14011
#define IDB_SHAPE_COMB_2T1              14012
#define IDB_SHAPE_COMB_2T2              14013
#define IDB_SHAPE_COMB_H2T              14014
#define IDB_SHAPE_COMB_WOH              14015
#define IDB_SHAPE_COMB_2CW1             14022
#define IDB_SHAPE_COMB_2CW2             14023
#define IDB_SHAPE_COMB_1CW1             14024
#define IDB_SHAPE_COMB_1CW2             14025
#define IDB_SHAPE_COMB_4L               14026
#define IDB_SHAPE_COMB_HP               14027

// Shape pictures of the regular section page, 135 x 155, by shape index 0 to 11.
#define IDB_SECT_RC_L                   14239
#define IDB_SECT_RC_C                   14176
#define IDB_SECT_RC_H                   14235
#define IDB_SECT_RC_T                   14238
#define IDB_SECT_RC_B                   14240
#define IDB_SECT_RC_P                   14241
#define IDB_SECT_RC_2L                  17443
#define IDB_SECT_RC_2C                  14180
#define IDB_SECT_RC_SB                  14233
#define IDB_SECT_RC_SR                  14234
#define IDB_SECT_CR                     14173
#define IDB_SECT_RC_CC                  14237
#define IDB_SECT_STEEL_L                14248
#define IDB_SECT_STEEL_C                14246
#define IDB_SECT_STEEL_H                14243
#define IDB_SECT_STEEL_T                14247
#define IDB_SECT_STEEL_B                14244
#define IDB_SECT_STEEL_P                14245
#define IDB_SECT_STEEL_2L               14242
#define IDB_SECT_STEEL_2C               14251
#define IDB_SECT_STEEL_SB               14249
#define IDB_SECT_STEEL_SR               14250
#define IDB_SECT_STEEL_CC               14227
